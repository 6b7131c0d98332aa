#pragma once

// Reference counting and QueryInterface for the objects of this runtime and
// of the modules on it. An object names the interfaces it answers to in a
// table, a row an IID and the object's pointer for it; IUnknown is answered
// with the first row's pointer, so one object always gives one IUnknown
// pointer. The count starts at 1 (the creator's reference), is safe across
// threads, and the object deletes itself when it reaches 0.
//
//   class Stream final : public ComObject<Stream, IStream> { ... };
//
// answers IUnknown and IStream. An object that answers more IIDs than its
// interfaces name (a base interface, an alias) gives its own table:
//
//   static InterfaceTable<Stream> interfaceTable() {
//       static constexpr InterfaceEntry<Stream> rows[] = {
//           interfaceEntry<Stream, IStream>(IID_IStream),
//           interfaceEntry<Stream, IStream>(IID_ISequentialStream)};
//       return rows;
//   }
//
// and one that finds interfaces at run time hides findInterface().

#include "platform/com/interfaces/Unknown.h"

#include <atomic>
#include <span>

namespace velox::com {

// One row of an object's interface table; a row without an IID is skipped.
template <typename Object> struct InterfaceEntry {
    const IID* iid;
    void* (*pointer)(Object& object);
};

template <typename Object> using InterfaceTable = std::span<const InterfaceEntry<Object>>;

// The row that answers `iid` with the object seen as `As`.
template <typename Object, typename As>
constexpr InterfaceEntry<Object> interfaceEntry(const IID& iid) {
    return {&iid, [](Object& object) -> void* { return static_cast<As*>(&object); }};
}
template <typename Object, typename As>
constexpr InterfaceEntry<Object> interfaceEntry(const IID* iid) {
    return {iid, [](Object& object) -> void* { return static_cast<As*>(&object); }};
}

template <typename Derived, typename... Interfaces> class ComObject : public Interfaces... {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    ComObject(ComObject&&) = delete;
    ComObject& operator=(ComObject&&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = derived().findInterface(riid);
        if (*object == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
    ULONG Release() override {
        const ULONG left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0) {
            lastReleased();
            delete this;
        }
        return left;
    }

    // One row for each interface the object derives from.
    static InterfaceTable<Derived> interfaceTable() {
        static constexpr InterfaceEntry<Derived> rows[] = {
            interfaceEntry<Derived, Interfaces>(Interfaces::iid)...};
        return rows;
    }
    // The pointer for `riid` from the table, or null.
    void* findInterface(REFIID riid) {
        const InterfaceTable<Derived> table = Derived::interfaceTable();
        if (riid == IID_IUnknown) {
            return table.front().pointer(derived());
        }
        for (const InterfaceEntry<Derived>& row : table) {
            if (row.iid != nullptr && *row.iid == riid) {
                return row.pointer(derived());
            }
        }
        return nullptr;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

    // Called once the count has reached 0, before the object is deleted.
    virtual void lastReleased() {}
    // Takes a reference unless the object is already ending (its count
    // has reached 0).
    bool tryAddRef() {
        ULONG count = refs_.load(std::memory_order_relaxed);
        while (count != 0) {
            if (refs_.compare_exchange_weak(count, count + 1, std::memory_order_acq_rel)) {
                return true;
            }
        }
        return false;
    }

private:
    Derived& derived() { return static_cast<Derived&>(*this); }

    std::atomic<ULONG> refs_{1};
};

} // namespace velox::com
