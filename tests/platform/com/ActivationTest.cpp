#include "platform/com/Activation.h"

#include "EventRecorder.h"
#include "TestServerIds.h"
#include "platform/com/ComBstr.h"
#include "platform/com/ComPtr.h"
#include "platform/com/EntryGuard.h"
#include "platform/com/interfaces/ClassInfo.h"
#include "platform/com/interfaces/ConnectionPoints.h"
#include "platform/registry/Registry.h"
#include "support/ScopedPrefix.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace velox::com;
using velox::test::EventRecorder;

namespace {

// Registers a test server by calling its DllRegisterServer, as regsvr does.
HRESULT selfRegister(const char* module, const char* entry = "DllRegisterServer") {
    void* handle = ::dlopen(module, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return E_FAIL;
    }
    auto function = reinterpret_cast<DllRegisterServerFunction>(::dlsym(handle, entry));
    const HRESULT hr = function != nullptr ? function() : E_FAIL;
    ::dlclose(handle);
    return hr;
}

// Calls a member by name with arguments in declared order.
HRESULT callByName(IDispatch* object, const char16_t* name, std::vector<VARIANT> args,
                   VARIANT* result, EXCEPINFO* exception = nullptr, WORD flags = DISPATCH_METHOD) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 0;
    HRESULT hr = object->GetIDsOfNames(GUID_NULL, names, 1, 0, &id);
    if (FAILED(hr)) {
        return hr;
    }
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID put = DISPID_PROPERTYPUT;
    const bool isPut = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), isPut ? &put : nullptr,
                      static_cast<UINT>(reversed.size()), isPut ? 1u : 0u};
    if (result != nullptr) {
        VariantInit(result);
    }
    return object->Invoke(id, GUID_NULL, 0, flags, &params, result, exception, nullptr);
}

VARIANT make(VARTYPE vt) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    return v;
}

class Activation : public ::testing::Test {
protected:
    void SetUp() override {
        CoFreeUnusedLibraries();
        ASSERT_EQ(selfRegister(VELOX_TEST_SERVER), S_OK);
    }
    void TearDown() override { CoFreeUnusedLibraries(); }

    velox::test::ScopedPrefix prefix_;
};

} // namespace

TEST_F(Activation, CreatesByClassAndByProgIdAndUnloadsWhenNothingLives) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, object.putVoid()),
              S_OK);
    EXPECT_TRUE(isModuleLoaded(VELOX_TEST_SERVER));

    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(u"Velox.TestObject.1", &clsid), S_OK);
    EXPECT_EQ(clsid, velox::test::kTestObjectA);
    ComPtr<IUnknown> second;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, second.putVoid()), S_OK);

    // While objects live the module stays.
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isModuleLoaded(VELOX_TEST_SERVER));
    second.reset();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isModuleLoaded(VELOX_TEST_SERVER));
    object.reset();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(isModuleLoaded(VELOX_TEST_SERVER));
}

TEST_F(Activation, AHeldClassFactoryOrServerLockKeepsTheModule) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(velox::test::kTestObjectA, CLSCTX_INPROC_SERVER, nullptr,
                               IID_IClassFactory, factory.putVoid()),
              S_OK);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.reset();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isModuleLoaded(VELOX_TEST_SERVER));
    ASSERT_EQ(CoGetClassObject(velox::test::kTestObjectA, CLSCTX_INPROC_SERVER, nullptr,
                               IID_IClassFactory, factory.putVoid()),
              S_OK);
    void* aggregated = nullptr;
    EXPECT_EQ(factory->CreateInstance(factory.get(), IID_IUnknown, &aggregated),
              CLASS_E_NOAGGREGATION);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
    factory.reset();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(isModuleLoaded(VELOX_TEST_SERVER));
}

TEST_F(Activation, ReportsWhyAClassCannotBeCreated) {
    constexpr GUID unknown = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_ALL, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(u"No.Such.Class", &clsid), CO_E_CLASSSTRING);

    namespace reg = velox::registry;
    const std::string missing = "CLSID\\" + guidToStdString(unknown) + "\\InprocServer32";
    ASSERT_EQ(reg::RegSetValueA(reg::HKEY_CLASSES_ROOT, missing.c_str(), reg::REG_SZ,
                                "/nonexistent/module.so", 0),
              reg::ERROR_SUCCESS);
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_ALL, IID_IUnknown, &object),
              CO_E_DLLNOTFOUND);
    ASSERT_EQ(reg::RegSetValueA(reg::HKEY_CLASSES_ROOT, missing.c_str(), reg::REG_SZ,
                                VELOX_NOT_A_SERVER, 0),
              reg::ERROR_SUCCESS);
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_ALL, IID_IUnknown, &object),
              CO_E_ERRORINDLL);
    // A registered module that does not serve the class.
    const std::string wrong = "CLSID\\" + guidToStdString(unknown) + "\\InprocServer32";
    ASSERT_EQ(
        reg::RegSetValueA(reg::HKEY_CLASSES_ROOT, wrong.c_str(), reg::REG_SZ, VELOX_TEST_SERVER, 0),
        reg::ERROR_SUCCESS);
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_ALL, IID_IUnknown, &object),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_LOCAL_SERVER,
                               IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG);
}

TEST_F(Activation, CallsByNameWithEveryArgumentType) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, object.putVoid()),
              S_OK);
    VARIANT result;
    // Echo(Short, Long, Flag, Text, When) from the types a script would hold.
    std::vector<VARIANT> args(5);
    args[0] = make(VT_I4);
    args[0].lVal = -3;
    args[1] = make(VT_I2);
    args[1].iVal = 70;
    args[2] = make(VT_BOOL);
    args[2].boolVal = VARIANT_TRUE;
    args[3] = make(VT_BSTR);
    args[3].bstrVal = SysAllocString(u"Grüße");
    args[4] = make(VT_DATE);
    args[4].date = 36526.5;
    ASSERT_EQ(callByName(object.get(), u"ECHO", args, &result), S_OK);
    EXPECT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(qStringFromBstr(result.bstrVal), QString::fromUtf8("-3|70|-1|Grüße|36526.5"));
    VariantClear(&result);
    VariantClear(&args[3]);

    // Outputs into by-reference variables.
    SHORT s = 0;
    LONG l = 0;
    VARIANT_BOOL b = VARIANT_FALSE;
    BSTR text = SysAllocString(u"in");
    DATE when = 0;
    std::vector<VARIANT> outs = {make(VT_I2 | VT_BYREF), make(VT_I4 | VT_BYREF),
                                 make(VT_BOOL | VT_BYREF), make(VT_BSTR | VT_BYREF),
                                 make(VT_DATE | VT_BYREF)};
    outs[0].piVal = &s;
    outs[1].plVal = &l;
    outs[2].pboolVal = &b;
    outs[3].pbstrVal = &text;
    outs[4].pdate = &when;
    ASSERT_EQ(callByName(object.get(), u"outputs", outs, nullptr), S_OK);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(l, 123456);
    EXPECT_EQ(b, VARIANT_TRUE);
    EXPECT_EQ(qStringFromBstr(text), "out text");
    EXPECT_DOUBLE_EQ(when, 36526.5);
    SysFreeString(text);

    // Property put and get.
    VARIANT name = make(VT_BSTR);
    name.bstrVal = SysAllocString(u"Falcon");
    ASSERT_EQ(callByName(object.get(), u"Name", {name}, nullptr, nullptr, DISPATCH_PROPERTYPUT),
              S_OK);
    VariantClear(&name);
    ASSERT_EQ(callByName(object.get(), u"name", {}, &result, nullptr,
                         DISPATCH_PROPERTYGET | DISPATCH_METHOD),
              S_OK);
    EXPECT_EQ(qStringFromBstr(result.bstrVal), "Falcon");
    VariantClear(&result);

    // Objects in and out.
    ASSERT_EQ(callByName(object.get(), u"Child", {}, &result), S_OK);
    ASSERT_EQ(result.vt, VT_DISPATCH);
    VARIANT child = result;
    VARIANT nothing = make(VT_UNKNOWN);
    ASSERT_EQ(callByName(object.get(), u"Holds", {child, nothing}, &result), S_OK);
    EXPECT_EQ(result.lVal, 1);
    VariantClear(&child);

    // An automation exception.
    EXCEPINFO exception{};
    VARIANT description = make(VT_BSTR);
    description.bstrVal = SysAllocString(u"Object not ready");
    EXPECT_EQ(callByName(object.get(), u"Raise", {description}, nullptr, &exception),
              DISP_E_EXCEPTION);
    EXPECT_EQ(exception.wCode, 0xFFFF);
    EXPECT_EQ(qStringFromBstr(exception.bstrDescription), "Object not ready");
    clearExcepInfo(&exception);
    VariantClear(&description);

    EXPECT_EQ(callByName(object.get(), u"Missing", {}, nullptr), DISP_E_UNKNOWNNAME);
}

TEST_F(Activation, EventsReachEveryAdvisedSink) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, object.putVoid()),
              S_OK);
    auto info = object.as<IProvideClassInfo2>();
    ASSERT_TRUE(info);
    IID events{};
    ASSERT_EQ(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
    EXPECT_EQ(events, velox::test::kTestEvents);

    auto container = object.as<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    ComPtr<IConnectionPoint> point;
    constexpr IID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(container->FindConnectionPoint(other, point.put()), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(container->FindConnectionPoint(events, point.put()), S_OK);

    EventRecorder first;
    EventRecorder second;
    second.accepted = events;
    DWORD cookie1 = 0;
    DWORD cookie2 = 0;
    ASSERT_EQ(point->Advise(&first, &cookie1), S_OK);
    ASSERT_EQ(point->Advise(&second, &cookie2), S_OK);
    EXPECT_NE(cookie1, cookie2);
    EXPECT_EQ(first.refs, 2u);

    VARIANT result;
    VARIANT percent = make(VT_I2);
    percent.iVal = 60;
    ASSERT_EQ(callByName(object.get(), u"FireTick", {percent}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_BOOL);
    EXPECT_EQ(result.boolVal, VARIANT_TRUE) << "the sinks' Cancel comes back";
    percent.iVal = 10;
    ASSERT_EQ(callByName(object.get(), u"FireTick", {percent}, &result), S_OK);
    EXPECT_EQ(result.boolVal, VARIANT_FALSE);
    VARIANT text = make(VT_BSTR);
    text.bstrVal = SysAllocString(u"hello");
    ASSERT_EQ(callByName(object.get(), u"SendMessage", {text}, nullptr), S_OK);
    VariantClear(&text);

    ASSERT_EQ(first.events.size(), 3u);
    ASSERT_EQ(second.events.size(), 3u);
    EXPECT_EQ(first.events[0].number, 60);
    EXPECT_EQ(second.events[2].text, "hello");

    ComPtr<IEnumConnections> connections;
    ASSERT_EQ(point->EnumConnections(connections.put()), S_OK);
    CONNECTDATA data[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(connections->Next(3, data, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(data[1].dwCookie, cookie2);
    data[0].pUnk->Release();
    data[1].pUnk->Release();
    connections.reset();

    ASSERT_EQ(point->Unadvise(cookie1), S_OK);
    EXPECT_EQ(point->Unadvise(cookie1), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(first.refs, 1u);
    percent.iVal = 1;
    ASSERT_EQ(callByName(object.get(), u"FireTick", {percent}, &result), S_OK);
    EXPECT_EQ(first.events.size(), 3u);
    EXPECT_EQ(second.events.size(), 4u);

    // The object lets go of its sinks when it ends.
    point.reset();
    container.reset();
    info.reset();
    object.reset();
    EXPECT_EQ(second.refs, 1u);
}

TEST_F(Activation, ReferenceCountsBalance) {
    IUnknown* unknown = nullptr;
    ASSERT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IUnknown, reinterpret_cast<void**>(&unknown)),
              S_OK);
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    EXPECT_EQ(unknown->AddRef(), 3u);
    EXPECT_EQ(unknown->Release(), 2u);
    void* none = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(unknown->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(dispatch->Release(), 1u);
    EXPECT_EQ(unknown->Release(), 0u);
    CoFreeUnusedLibraries();
    EXPECT_FALSE(isModuleLoaded(VELOX_TEST_SERVER));
}

TEST_F(Activation, ThreadsCreateAndCallAtOnce) {
    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&failures] {
            for (int i = 0; i < 25; ++i) {
                ComPtr<IDispatch> object;
                if (FAILED(CoCreateInstance(velox::test::kTestObjectA, nullptr,
                                            CLSCTX_INPROC_SERVER, IID_IDispatch,
                                            object.putVoid()))) {
                    ++failures;
                    continue;
                }
                VARIANT result;
                std::vector<VARIANT> args(5, make(VT_I4));
                for (VARIANT& a : args) {
                    a.lVal = i;
                }
                if (FAILED(callByName(object.get(), u"Sum", args, &result)) ||
                    result.lVal != 5 * i) {
                    ++failures;
                }
                CoFreeUnusedLibraries();
            }
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    EXPECT_EQ(failures, 0);
}

TEST_F(Activation, ClassObjectsRegisteredInTheProcessComeFirst) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(velox::test::kTestObjectA, CLSCTX_INPROC_SERVER, nullptr,
                               IID_IClassFactory, factory.putVoid()),
              S_OK);
    constexpr GUID alias = {0xABCDEF01, 0, 0, {0, 0, 0, 0, 0, 0, 0, 2}};
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(alias, factory.get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                    &cookie),
              S_OK);
    ComPtr<IDispatch> object;
    EXPECT_EQ(CoCreateInstance(alias, nullptr, CLSCTX_ALL, IID_IDispatch, object.putVoid()), S_OK);
    object.reset();
    ASSERT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(CoRevokeClassObject(cookie), E_INVALIDARG);
    EXPECT_EQ(CoCreateInstance(alias, nullptr, CLSCTX_ALL, IID_IDispatch, object.putVoid()),
              REGDB_E_CLASSNOTREG);
}

TEST(CoInitialize, CountsPerThread) {
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    std::thread([] {
        EXPECT_EQ(CoInitialize(nullptr), S_OK);
        CoUninitialize();
    }).join();
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    CoUninitialize();
}

TEST_F(Activation, EventsFireFromWorkerThreadsWhileSinksComeAndGo) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, object.putVoid()),
              S_OK);
    auto container = object.as<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(velox::test::kTestEvents, point.put()), S_OK);
    EventRecorder steady;
    DWORD steadyCookie = 0;
    ASSERT_EQ(point->Advise(&steady, &steadyCookie), S_OK);

    std::atomic<bool> stop{false};
    std::thread churn([&] {
        EventRecorder passing;
        while (!stop) {
            DWORD cookie = 0;
            if (SUCCEEDED(point->Advise(&passing, &cookie))) {
                point->Unadvise(cookie);
            }
        }
    });
    std::vector<std::thread> firing;
    for (int t = 0; t < 3; ++t) {
        firing.emplace_back([&object] {
            for (int i = 0; i < 200; ++i) {
                VARIANT percent = make(VT_I2);
                percent.iVal = 10;
                VARIANT result;
                callByName(object.get(), u"FireTick", {percent}, &result);
            }
        });
    }
    for (std::thread& t : firing) {
        t.join();
    }
    stop = true;
    churn.join();
    EXPECT_EQ(steady.events.size(), 600u);
    ASSERT_EQ(point->Unadvise(steadyCookie), S_OK);
    EXPECT_EQ(steady.refs, 1u);
}

TEST(EntryGuard, WhatAnExportedFunctionThrowsBecomesItsHresult) {
    using velox::com::guardEntry;
    EXPECT_EQ(guardEntry([]() -> HRESULT { throw ComError(CO_E_NOTINITIALIZED); }),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(guardEntry([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY);
    EXPECT_EQ(guardEntry([]() -> HRESULT { throw std::runtime_error("registry"); }), E_UNEXPECTED);
    EXPECT_EQ(guardEntry([] { return S_FALSE; }), S_FALSE);
}
