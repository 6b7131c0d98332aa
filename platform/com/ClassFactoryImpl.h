#pragma once

// The class factory of a module's class: a static object whose references
// count as server locks (a factory held by a client keeps the module
// loaded), creating objects with a creation function such as
// createObject<Class>.
//
//   ServerLock serverLock;
//   ClassFactoryImpl factory(serverLock, createObject<CTanlinkCtrl>);
//   ... DllGetClassObject: if (clsid == CLSID_X) return factory.QueryInterface(riid, object);

#include "platform/com/ServerLock.h"
#include "platform/com/interfaces/ClassFactory.h"

#include <new>

namespace velox::com {

using CreateFunction = HRESULT (*)(REFIID riid, void** object);

// Makes a T (born with one reference), hands out the interface asked for
// and drops the birth reference.
template <typename T> HRESULT createObject(REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    T* created = new (std::nothrow) T();
    if (created == nullptr) {
        return E_OUTOFMEMORY;
    }
    const HRESULT hr = created->QueryInterface(riid, object);
    created->Release();
    return hr;
}

class ClassFactoryImpl final : public IClassFactory {
public:
    ClassFactoryImpl(ServerLock& lock, CreateFunction create) noexcept
        : lock_(lock), create_(create) {}

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override {
        lock_.lock();
        return 2;
    }
    ULONG Release() override {
        lock_.unlock();
        return 1;
    }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return create_(riid, object);
    }
    HRESULT LockServer(BOOL lock) override {
        if (lock != FALSE) {
            lock_.lock();
        } else {
            lock_.unlock();
        }
        return S_OK;
    }

private:
    ServerLock& lock_;
    CreateFunction create_;
};

} // namespace velox::com
