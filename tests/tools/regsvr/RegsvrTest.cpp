#include "EventRecorder.h"
#include "TestServerIds.h"
#include "platform/com/Activation.h"
#include "platform/com/ComPtr.h"
#include "platform/com/interfaces/ConnectionPoints.h"
#include "platform/registry/Prefix.h"
#include "support/ScopedPrefix.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace velox::com;

namespace {

struct Outcome {
    int exitCode;
    QString output;
};

std::unique_ptr<QProcess> startRegsvr(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start(VELOX_REGSVR, arguments);
    return process;
}

Outcome finish(QProcess& process) {
    if (!process.waitForFinished(60000)) {
        return {-1, "did not finish"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromLocal8Bit(process.readAll())};
}

Outcome regsvr(const QStringList& arguments) {
    auto process = startRegsvr(arguments);
    return finish(*process);
}

HRESULT invoke(IDispatch* object, const char16_t* name, std::vector<VARIANT> args,
               VARIANT* result) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = 0;
    const HRESULT hr = object->GetIDsOfNames(GUID_NULL, names, 1, 0, &id);
    if (FAILED(hr)) {
        return hr;
    }
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    VariantInit(result);
    return object->Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr, nullptr);
}

VARIANT make(VARTYPE vt) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    return v;
}

} // namespace

TEST(Regsvr, RegisteredModuleIsCreatedCalledAndUnloadedInAnotherProcess) {
    velox::test::ScopedPrefix prefix;
    const Outcome registered = regsvr({VELOX_TEST_SERVER});
    ASSERT_EQ(registered.exitCode, 0) << registered.output.toStdString();
    EXPECT_TRUE(registered.output.contains("DllRegisterServer in"));
    EXPECT_TRUE(registered.output.contains("succeeded"));
    EXPECT_TRUE(registered.output.contains("0x00000000"));

    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(u"Velox.TestObject.1", &clsid), S_OK);
    ComPtr<IDispatch> byProgId;
    ASSERT_EQ(
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, byProgId.putVoid()),
        S_OK);
    ComPtr<IDispatch> byClass;
    ASSERT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, byClass.putVoid()),
              S_OK);

    std::vector<VARIANT> args(5);
    args[0] = make(VT_BSTR);
    args[0].bstrVal = SysAllocString(u"12");
    args[1] = make(VT_I2);
    args[1].iVal = 345;
    args[2] = make(VT_BOOL);
    args[2].boolVal = VARIANT_FALSE;
    args[3] = make(VT_BSTR);
    args[3].bstrVal = SysAllocString(u"C:\\System\\Alarms\\");
    args[4] = make(VT_DATE);
    args[4].date = 46364.25;
    VARIANT result;
    ASSERT_EQ(invoke(byClass.get(), u"Echo", args, &result), S_OK);
    EXPECT_EQ(qStringFromBstr(result.bstrVal), "12|345|0|C:\\System\\Alarms\\|46364.25");
    VariantClear(&result);
    VariantClear(&args[0]);
    VariantClear(&args[3]);

    // Events reach a sink advised on the object made by ProgID.
    auto container = byProgId.as<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(velox::test::kTestEvents, point.put()), S_OK);
    velox::test::EventRecorder sink;
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
    VARIANT percent = make(VT_I2);
    percent.iVal = 75;
    ASSERT_EQ(invoke(byProgId.get(), u"FireTick", {percent}, &result), S_OK);
    EXPECT_EQ(result.boolVal, VARIANT_TRUE);
    ASSERT_EQ(sink.events.size(), 1u);
    EXPECT_EQ(sink.events[0].number, 75);
    ASSERT_EQ(point->Unadvise(cookie), S_OK);
    point.reset();
    container.reset();

    byProgId.reset();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(isModuleLoaded(VELOX_TEST_SERVER));
    byClass.reset();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(isModuleLoaded(VELOX_TEST_SERVER));
    EXPECT_EQ(sink.refs, 1u);

    const Outcome unregistered = regsvr({"-u", VELOX_TEST_SERVER});
    ASSERT_EQ(unregistered.exitCode, 0) << unregistered.output.toStdString();
    EXPECT_TRUE(unregistered.output.contains("DllUnregisterServer in"));
    void* object = nullptr;
    EXPECT_EQ(CoCreateInstance(velox::test::kTestObjectA, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, &object),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CLSIDFromProgID(u"Velox.TestObject.1", &clsid), CO_E_CLASSSTRING);
}

TEST(Regsvr, ReportsEachKindOfFailure) {
    velox::test::ScopedPrefix prefix;
    struct Row {
        const char* what;
        QStringList arguments;
        int exitCode;
        const char* mentions;
    };
    const Row rows[] = {
        {"no module", {}, 1, "usage"},
        {"two modules", {VELOX_TEST_SERVER, VELOX_TEST_SERVER_B}, 1, "usage"},
        {"missing file", {"/nonexistent/module.so"}, 3, "failed"},
        {"not a server", {VELOX_NOT_A_SERVER}, 4, "entry-point DllRegisterServer was not found"},
    };
    for (const Row& row : rows) {
        const Outcome run = regsvr(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.what;
        EXPECT_TRUE(run.output.contains(row.mentions))
            << row.what << ": " << run.output.toStdString();
    }
    // A damaged registry: the server's own failure code, and the file kept.
    velox::test::writeFile(prefix.path(), "registry.reg", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\A]\r\n");
    const Outcome damaged = regsvr({VELOX_TEST_SERVER});
    EXPECT_EQ(damaged.exitCode, 5);
    EXPECT_TRUE(damaged.output.contains("Return code was: 0x80040200"))
        << damaged.output.toStdString();
    EXPECT_TRUE(damaged.output.contains("truncated"));
    QFile file(velox::platform::prefixPath("registry.reg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\A]\r\n");
    // Silent mode prints nothing.
    const Outcome silent = regsvr({"/s", "/nonexistent/module.so"});
    EXPECT_EQ(silent.exitCode, 3);
    EXPECT_TRUE(silent.output.isEmpty());
}

TEST(Regsvr, TwoRegistrationsAtOnceBothLand) {
    for (int round = 0; round < 4; ++round) {
        velox::test::ScopedPrefix prefix;
        auto a = startRegsvr({VELOX_TEST_SERVER});
        auto b = startRegsvr({VELOX_TEST_SERVER_B});
        const Outcome ra = finish(*a);
        const Outcome rb = finish(*b);
        ASSERT_EQ(ra.exitCode, 0) << ra.output.toStdString();
        ASSERT_EQ(rb.exitCode, 0) << rb.output.toStdString();
        CLSID clsid{};
        EXPECT_EQ(CLSIDFromProgID(u"Velox.TestObject.1", &clsid), S_OK) << round;
        EXPECT_EQ(clsid, velox::test::kTestObjectA);
        EXPECT_EQ(CLSIDFromProgID(u"Velox.TestObjectB.1", &clsid), S_OK) << round;
        EXPECT_EQ(clsid, velox::test::kTestObjectB);
    }
}
