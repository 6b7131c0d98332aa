#pragma once

// The base of an automation object that wraps one engine
// object. The object starts with one reference (which passes to whoever
// asked for it), holds the module while it lives, and releases its engine
// object when its last reference goes: an engine object handed out through
// an out-parameter carries one reference.
//
// Derived provides `static const InterfaceInfo& dispatchInterface()` and, if
// it has a dispatch interface of its own in the type library,
// `static constexpr const IID* interfaceId` (else null).

#include "platform/com/ComObject.h"
#include "platform/com/DispatchImpl.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/ModuleLock.h"
#include "tanlink/ObjectNotReady.h"

namespace velox::tanlink {

template <typename Derived, typename Engine>
class AutomationObject : public com::ComObject<Derived, com::DispatchImpl<Derived>> {
public:
    // A new object with one reference and no engine object yet.
    static Derived* create() { return new Derived; }

    // IDispatch, and the object's own dispatch interface when it has one.
    static com::InterfaceTable<Derived> interfaceTable() {
        static constexpr com::InterfaceEntry<Derived> rows[] = {
            com::interfaceEntry<Derived, com::IDispatch>(com::IID_IDispatch),
            com::interfaceEntry<Derived, com::IDispatch>(Derived::interfaceId)};
        return rows;
    }

    // Where the engine writes the engine object: the object out-parameter
    // of the request that made this object. Null until the engine fills it.
    Engine** engineSlot() { return &engine_; }
    [[nodiscard]] Engine* engineObject() const { return engine_; }

protected:
    AutomationObject() { moduleLock().lock(); }

    // The engine object's current information record (engine method 1);
    // raises "Object not ready" when there is no engine object or the
    // engine reports anything but success.
    const com::BYTE* informationRecord() {
        const com::BYTE* info = nullptr;
        if (engine_ == nullptr || engine_->GetInfo(&info) != kOk || info == nullptr) {
            raiseObjectNotReady();
        }
        return info;
    }

    ~AutomationObject() override {
        if (engine_ != nullptr) {
            engine_->Release();
        }
        moduleLock().unlock();
    }

private:
    Engine* engine_ = nullptr;
};

} // namespace velox::tanlink
