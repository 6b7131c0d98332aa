#pragma once

// A callback object (CFSinfo, CFSinfoS) and the way its calls
// reach the control: a back pointer that the control sets in Init and clears
// when its last reference goes. The engine may call back on any thread at
// any time, also after the control has gone; each event pins the control
// with a reference while it fires, and a call that finds no control (or one
// already ending) fires nothing.

#include "platform/com/ComObject.h"
#include "platform/com/interfaces/Dispatch.h"
#include "tanlink/EventArguments.h"
#include "tanlink/ModuleLock.h"

#include <mutex>

namespace velox::tanlink {

template <typename Interface, typename Control>
class CallbackObject : public com::ComObject<CallbackObject<Interface, Control>, Interface> {
public:
    using CallbackInterface = Interface;

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
    std::mutex mutex_;
    Control* control_ = nullptr;
};

} // namespace velox::tanlink
