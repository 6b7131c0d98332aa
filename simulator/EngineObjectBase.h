#pragma once

// The base of the engine's objects (reference counting and QueryInterface
// for their one interface), and the slot in which an object's information arrives. A request makes
// its object at once and hands it out; the worker fills it later. Until then (and for good when the
// request failed) GetInfo answers with a code, never with a half-written record: the record is
// written once, then published.

#include "platform/com/ComObject.h"
#include "tanlink/EngineCodes.h"

#include <atomic>

namespace velox::simulator {

template <typename Interface>
class EngineObjectBase : public com::ComObject<EngineObjectBase<Interface>, Interface> {
protected:
    EngineObjectBase() = default;
};

// The information of one engine object: pending, then either ready with its
// value or failed with a code.
template <typename Value> class InfoSlot {
public:
    InfoSlot() = default;
    explicit InfoSlot(const Value& value) { fill(value); }

    // Writes the value and publishes it. Called once.
    void fill(const Value& value) {
        value_ = value;
        code_.store(tanlink::kOk, std::memory_order_release);
    }
    void fail(com::LONG code) {
        code_.store(code == tanlink::kOk ? tanlink::kErrorNotReady : code,
                    std::memory_order_release);
    }
    // The outcome of the request: the value on success, else the code.
    void settle(com::LONG code, const Value& value) {
        code == tanlink::kOk ? fill(value) : fail(code);
    }
    // kOk and the value, or the code of a pending or failed request.
    com::LONG get(const Value** value) const {
        const com::LONG code = code_.load(std::memory_order_acquire);
        *value = code == tanlink::kOk ? &value_ : nullptr;
        return code;
    }

private:
    Value value_{};
    std::atomic<com::LONG> code_{tanlink::kErrorNotReady};
};

} // namespace velox::simulator
