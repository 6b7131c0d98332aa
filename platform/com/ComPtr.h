#pragma once

// An owning interface pointer: releases its reference when it goes.

#include "platform/com/interfaces/Unknown.h"

#include <utility>

namespace velox::com {

template <typename T> class ComPtr {
public:
    ComPtr() = default;
    // Takes a new reference on `p`.
    explicit ComPtr(T* p) : p_(p) {
        if (p_ != nullptr) {
            p_->AddRef();
        }
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Adopts a reference the caller already holds.
    static ComPtr attach(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    // Gives up the reference without releasing it.
    T* detach() { return std::exchange(p_, nullptr); }
    void reset() {
        if (T* p = std::exchange(p_, nullptr)) {
            p->Release();
        }
    }
    // For out-parameters: releases what is held and returns the slot.
    T** put() {
        reset();
        return &p_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    [[nodiscard]] T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // QueryInterface for U (which names its IID as U::iid).
    template <typename U> ComPtr<U> as() const {
        ComPtr<U> result;
        if (p_ != nullptr) {
            p_->QueryInterface(U::iid, result.putVoid());
        }
        return result;
    }

private:
    T* p_ = nullptr;
};

} // namespace velox::com
