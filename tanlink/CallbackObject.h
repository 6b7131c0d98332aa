#pragma once

// A callback object (CFSinfo, CFSinfoS) and the way its calls
// reach the control: a back pointer that the control sets in Init and clears
// when its last reference goes. The engine may call back on any thread at
// any time, also after the control has gone; each event pins the control
// with a reference while it fires, and a call that finds no control (or one
// already ending) fires nothing.
//
// The progress calls both callback interfaces have are fired here, under
// the DISPIDs `Derived` gives them: OnCopyProgressId,
// OnCopyDirectoryProgressId, OnFormatProgressId, OnCloseProgramProgressId.

#include "platform/com/ComObject.h"
#include "platform/com/interfaces/Dispatch.h"
#include "tanlink/EventArguments.h"
#include "tanlink/ModuleLock.h"

#include <mutex>

namespace velox::tanlink {

template <typename Derived, typename Interface, typename Control>
class CallbackObject
    : public com::ComObject<CallbackObject<Derived, Interface, Control>, Interface> {
public:
    using CallbackInterface = Interface;
    using BOOL = com::BOOL;
    using LONG = com::LONG;
    using SHORT = com::SHORT;

    LONG OnCopyProgress(SHORT percent, BOOL* cancel) override {
        return firePercent(Derived::OnCopyProgressId, percent, cancel);
    }
    LONG OnCopyDirectoryProgress(const char* fileName) override {
        EventArguments args;
        args.addText(fileName);
        return fire(Derived::OnCopyDirectoryProgressId, args);
    }
    LONG OnFormatProgress(SHORT percent, BOOL* cancel) override {
        return firePercent(Derived::OnFormatProgressId, percent, cancel);
    }
    LONG OnCloseProgramProgress(const char* application, const char* file) override {
        EventArguments args;
        args.addText(application).addText(file);
        return fire(Derived::OnCloseProgramProgressId, args);
    }

    // The control this object reports to (Init), or none (the control ends).
    void attach(Control* control) {
        const std::lock_guard lock(mutex_);
        control_ = control;
    }
    void detach() { attach(nullptr); }

protected:
    CallbackObject() { moduleLock().lock(); }
    ~CallbackObject() override { moduleLock().unlock(); }

    // Fires event `id` on the calling thread through the control, if there
    // still is one. Callback methods always return 0.
    com::LONG fire(com::DISPID id, EventArguments& args) {
        Control* target = nullptr;
        {
            const std::lock_guard lock(mutex_);
            if (control_ != nullptr && control_->pinForEvent()) {
                target = control_;
            }
        }
        if (target != nullptr) {
            target->fireEvent(id, args.data(), args.count());
            target->Release();
        }
        return 0;
    }

    // Fires an event with a cancel flag: the sinks see it by reference and
    // their answer goes back to the engine through `cancel`.
    template <typename AddFirst>
    com::LONG fireWithCancel(com::DISPID id, com::BOOL* cancel, AddFirst&& addFirst) {
        com::VARIANT_BOOL answer =
            cancel != nullptr && *cancel != com::FALSE ? com::VARIANT_TRUE : com::VARIANT_FALSE;
        EventArguments args;
        addFirst(args);
        args.addBoolRef(&answer);
        fire(id, args);
        if (cancel != nullptr) {
            *cancel = answer != com::VARIANT_FALSE ? com::TRUE : com::FALSE;
        }
        return 0;
    }

private:
    // A percentage with the cancel flag.
    LONG firePercent(com::DISPID id, SHORT percent, BOOL* cancel) {
        return fireWithCancel(id, cancel,
                              [percent](EventArguments& args) { args.addShort(percent); });
    }

    std::mutex mutex_;
    Control* control_ = nullptr;
};

} // namespace velox::tanlink
