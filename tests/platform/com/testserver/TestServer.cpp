// A small in-process server for the runtime's tests: one class with a
// dispatch interface that takes and returns every automation type the
// system passes, and an event interface.

#include "TestServerIds.h"
#include "platform/com/AutomationException.h"
#include "platform/com/ClassFactoryImpl.h"
#include "platform/com/ClassRegistration.h"
#include "platform/com/ConnectionPointContainerImpl.h"
#include "platform/com/DispatchImpl.h"
#include "platform/com/DispatchThunk.h"
#include "platform/com/ModulePath.h"
#include "platform/com/ServerLock.h"
#include "platform/com/TypeLibRegistration.h"
#include "platform/com/interfaces/ClassInfo.h"

#include <atomic>

using namespace velox::com;
using namespace velox::test;

#ifdef VELOX_TEST_SERVER_B
#define TEST_SERVER_ID(name) name##B
#else
#define TEST_SERVER_ID(name) name##A
#endif

namespace {

constexpr GUID kLib = TEST_SERVER_ID(kTestLib);
constexpr GUID kClass = TEST_SERVER_ID(kTestObject);
const char* const kProgId = TEST_SERVER_ID(kProgId);

ServerLock serverLock;

class TestObject final : public DispatchImpl<TestObject>,
                         public ConnectionPointContainerImpl,
                         public IProvideClassInfo2 {
public:
    TestObject() : events_(*this, kTestEvents) {
        serverLock.lock();
        addConnectionPoint(events_);
    }

    HRESULT QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kITestObject) {
            *object = static_cast<IDispatch*>(this);
        } else if (riid == IID_IConnectionPointContainer) {
            *object = static_cast<IConnectionPointContainer*>(this);
        } else if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2) {
            *object = static_cast<IProvideClassInfo2*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override {
        const ULONG left = --refs_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT GetClassInfo(ITypeInfo** typeInfo) override {
        if (typeInfo != nullptr) {
            *typeInfo = nullptr;
        }
        return E_NOTIMPL;
    }
    HRESULT GetGUID(DWORD kind, GUID* guid) override {
        if (guid == nullptr) {
            return E_POINTER;
        }
        if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
            return E_INVALIDARG;
        }
        *guid = kTestEvents;
        return S_OK;
    }

    BSTR Echo(SHORT shortValue, LONG longValue, SHORT flag, BSTR text, DOUBLE when) {
        return bstrFromQString(QStringLiteral("%1|%2|%3|%4|%5")
                                   .arg(shortValue)
                                   .arg(longValue)
                                   .arg(flag)
                                   .arg(qStringFromBstr(text))
                                   .arg(when, 0, 'g', 15));
    }
    void Outputs(SHORT* shortValue, LONG* longValue, SHORT* flag, BSTR* text, DOUBLE* when) {
        *shortValue = -2;
        *longValue = 123456;
        *flag = VARIANT_TRUE;
        SysFreeString(*text);
        *text = SysAllocString(u"out text");
        *when = 36526.5;
    }
    BSTR GetName() { return bstrFromQString(name_); }
    void SetName(BSTR name) { name_ = qStringFromBstr(name); }
    IDispatch* Child() { return new TestObject(); }
    void Raise(BSTR description) {
        throw AutomationException::withCode(0xFFFF, qStringFromBstr(description));
    }
    SHORT FireTick(SHORT percent) {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        VARIANT args[2];
        VariantInit(&args[0]);
        args[0].vt = VT_I2;
        args[0].iVal = percent;
        VariantInit(&args[1]);
        args[1].vt = VT_BOOL | VT_BYREF;
        args[1].pboolVal = &cancel;
        events_.fire(kTick, args, 2);
        return cancel;
    }
    LONG Holds(IDispatch* object, IUnknown* unknown) {
        return (object != nullptr ? 1 : 0) + (unknown != nullptr ? 1 : 0);
    }
    LONG Sum(LONG a, LONG b, LONG c, LONG d, LONG e) { return a + b + c + d + e; }
    void SendMessage(BSTR text) {
        VARIANT arg;
        VariantInit(&arg);
        arg.vt = VT_BSTR;
        arg.bstrVal = text; // borrowed for the firing
        events_.fire(kMessage, &arg, 1);
    }

    static const InterfaceInfo& dispatchInterface();

private:
    ~TestObject() {
        events_.unadviseAll();
        serverLock.unlock();
    }

    std::atomic<ULONG> refs_{1};
    ConnectionPoint events_;
    QString name_;
};

constexpr ParamInfo kEchoParams[] = {
    {"Short", VT_I2}, {"Long", VT_I4}, {"Flag", VT_BOOL}, {"Text", VT_BSTR}, {"When", VT_DATE}};
constexpr ParamInfo kOutputsParams[] = {{"Short", VT_I2 | VT_BYREF},
                                        {"Long", VT_I4 | VT_BYREF},
                                        {"Flag", VT_BOOL | VT_BYREF},
                                        {"Text", VT_BSTR | VT_BYREF},
                                        {"When", VT_DATE | VT_BYREF}};
constexpr ParamInfo kNameParams[] = {{"Name", VT_BSTR}};
constexpr ParamInfo kRaiseParams[] = {{"Description", VT_BSTR}};
constexpr ParamInfo kTickParams[] = {{"Percent", VT_I2}};
constexpr ParamInfo kHoldsParams[] = {{"Object", VT_DISPATCH}, {"Unknown", VT_UNKNOWN}};
constexpr ParamInfo kSumParams[] = {
    {"A", VT_I4}, {"B", VT_I4}, {"C", VT_I4}, {"D", VT_I4}, {"E", VT_I4}};
constexpr ParamInfo kMessageParams[] = {{"Text", VT_BSTR}};

constexpr MemberInfo kMembers[] = {
    {kEcho, "Echo", MemberKind::Method, VT_BSTR, kEchoParams, dispatchThunk<&TestObject::Echo>},
    {kOutputs, "Outputs", MemberKind::Method, VT_EMPTY, kOutputsParams,
     dispatchThunk<&TestObject::Outputs>},
    {kName, "Name", MemberKind::PropertyGet, VT_BSTR, {}, dispatchThunk<&TestObject::GetName>},
    {kName, "Name", MemberKind::PropertyPut, VT_EMPTY, kNameParams,
     dispatchThunk<&TestObject::SetName>},
    {kChild, "Child", MemberKind::Method, VT_DISPATCH, {}, dispatchThunk<&TestObject::Child>},
    {kRaise, "Raise", MemberKind::Method, VT_EMPTY, kRaiseParams,
     dispatchThunk<&TestObject::Raise>},
    {kFireTick, "FireTick", MemberKind::Method, VT_BOOL, kTickParams,
     dispatchThunk<&TestObject::FireTick>},
    {kHolds, "Holds", MemberKind::Method, VT_I4, kHoldsParams, dispatchThunk<&TestObject::Holds>},
    {kSum, "Sum", MemberKind::Method, VT_I4, kSumParams, dispatchThunk<&TestObject::Sum>},
    {kSendMessage, "SendMessage", MemberKind::Method, VT_EMPTY, kMessageParams,
     dispatchThunk<&TestObject::SendMessage>},
};

constexpr ParamInfo kTickEventParams[] = {{"Percent", VT_I2}, {"Cancel", VT_BOOL | VT_BYREF}};
constexpr MemberInfo kEventMembers[] = {
    {kTick, "Tick", MemberKind::Method, VT_EMPTY, kTickEventParams, nullptr},
    {kMessage, "Message", MemberKind::Method, VT_EMPTY, kMessageParams, nullptr},
};

const InterfaceInfo kTestObjectInterface{kITestObject, "ITestObject", kMembers, "Test object",
                                         TYPEFLAG_FDISPATCHABLE};
const InterfaceInfo kTestEventsInterface{kTestEvents, "TestEvents", kEventMembers, "Test events",
                                         TYPEFLAG_FDISPATCHABLE};
const CoclassInfo kTestObjectClass{
    kClass, "TestObject", "Test object class", TYPEFLAG_FCANCREATE, &kITestObject, &kTestEvents};
const InterfaceInfo* const kInterfaces[] = {&kTestObjectInterface, &kTestEventsInterface};
const CoclassInfo* const kCoclasses[] = {&kTestObjectClass};
const TypeLibInfo kLibrary{kLib, "TestServerLib",     1,           0,         0x409, SYS_WIN32,
                           0,    "Velox test server", kInterfaces, kCoclasses};

const ClassRegistration kRegistration{
    kClass, "Velox Test Object", kProgId, true, 0x20591, &kLib, "1.0", 1, "Apartment"};

const InterfaceInfo& TestObject::dispatchInterface() {
    return kTestObjectInterface;
}

ClassFactoryImpl factory(serverLock, createObject<TestObject>);

} // namespace

extern "C" {

VELOX_COM_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!(clsid == kClass)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return factory.QueryInterface(riid, object);
}

VELOX_COM_EXPORT HRESULT DllCanUnloadNow() {
    return serverLock.canUnloadNow();
}

VELOX_COM_EXPORT HRESULT DllRegisterServer() {
    const QString path = modulePathOf(reinterpret_cast<const void*>(&DllRegisterServer));
    if (FAILED(RegisterTypeLib(kLibrary, path))) {
        return SELFREG_E_TYPELIB;
    }
    if (FAILED(registerClass(kRegistration, path))) {
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

VELOX_COM_EXPORT HRESULT DllUnregisterServer() {
    if (FAILED(unregisterTypeLibAllVersions(kLib))) {
        return SELFREG_E_TYPELIB;
    }
    if (FAILED(unregisterClass(kRegistration))) {
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

} // extern "C"
