#pragma once

// IUnknown and IDispatch of an automation object that wraps one engine
// object. The object starts with one reference (which passes to whoever
// asked for it), holds the module while it lives, and releases its engine
// object when its last reference goes: an engine object handed out through
// an out-parameter carries one reference.
//
// Derived provides `static const InterfaceInfo& dispatchInterface()` and, if
// it has a dispatch interface of its own in the type library,
// `static constexpr const IID* interfaceId` (else null).

#include "platform/com/DispatchImpl.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/ModuleLock.h"
#include "tanlink/ObjectNotReady.h"

#include <atomic>

namespace velox::tanlink {

template <typename Derived, typename Engine>
class AutomationObject : public com::DispatchImpl<Derived> {
public:
    AutomationObject(const AutomationObject&) = delete;
    AutomationObject& operator=(const AutomationObject&) = delete;

    com::HRESULT QueryInterface(com::REFIID riid, void** object) override {
        if (object == nullptr) {
            return com::E_POINTER;
        }
        if (riid == com::IID_IUnknown || riid == com::IID_IDispatch ||
            (Derived::interfaceId != nullptr && riid == *Derived::interfaceId)) {
            *object = static_cast<com::IDispatch*>(this);
            AddRef();
            return com::S_OK;
        }
        *object = nullptr;
        return com::E_NOINTERFACE;
    }
    com::ULONG AddRef() override { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
    com::ULONG Release() override {
        const com::ULONG left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0) {
            delete static_cast<Derived*>(this);
        }
        return left;
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

    ~AutomationObject() {
        if (engine_ != nullptr) {
            engine_->Release();
        }
        moduleLock().unlock();
    }

private:
    std::atomic<com::ULONG> refs_{1};
    Engine* engine_ = nullptr;
};

} // namespace velox::tanlink
