// The asynchronous engine through its COM interfaces, loaded from the
// engine module as a host would load it.

#include "HandheldTestSupport.h"
#include "platform/com/Activation.h"
#include "platform/com/ComPtr.h"
#include "platform/com/interfaces/ClassFactory.h"
#include "platform/registry/Registry.h"
#include "simulator/HandheldSetup.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/InfoRecords.h"
#include "tanlink/TandemEngine.h"
#include "tanlink/TandemEngineS.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <dlfcn.h>
#include <gtest/gtest.h>

using namespace velox;
using namespace velox::tanlink;
using velox::com::ComPtr;
using velox::test::HandheldPrefix;
using velox::test::record;
using velox::test::Report;

namespace {

// The engine module, loaded once for the whole test program.
class EngineModule {
public:
    static EngineModule& instance() {
        static EngineModule module;
        return module;
    }
    com::DllGetClassObjectFunction getClassObject = nullptr;
    com::DllCanUnloadNowFunction canUnloadNow = nullptr;
    com::DllRegisterServerFunction registerServer = nullptr;
    com::DllUnregisterServerFunction unregisterServer = nullptr;

private:
    EngineModule() {
        handle_ = dlopen(TANDEM_ENGINE_MODULE, RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) {
            return;
        }
        getClassObject =
            reinterpret_cast<com::DllGetClassObjectFunction>(dlsym(handle_, "DllGetClassObject"));
        canUnloadNow =
            reinterpret_cast<com::DllCanUnloadNowFunction>(dlsym(handle_, "DllCanUnloadNow"));
        registerServer =
            reinterpret_cast<com::DllRegisterServerFunction>(dlsym(handle_, "DllRegisterServer"));
        unregisterServer = reinterpret_cast<com::DllUnregisterServerFunction>(
            dlsym(handle_, "DllUnregisterServer"));
    }
    void* handle_ = nullptr;
};

ComPtr<ITandemEngine> createEngine() {
    EngineModule& module = EngineModule::instance();
    ComPtr<com::IClassFactory> factory;
    if (module.getClassObject == nullptr ||
        module.getClassObject(CLSID_TandemEngine, com::IID_IClassFactory, factory.putVoid()) !=
            com::S_OK) {
        return {};
    }
    ComPtr<ITandemEngine> engine;
    factory->CreateInstance(nullptr, IID_ITandemEngine, engine.putVoid());
    return engine;
}

class AsyncEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine = createEngine();
        ASSERT_TRUE(engine);
        ASSERT_EQ(engine->Init(&callback), kOk);
        ASSERT_EQ(callback.log.waitFor("OnInit").value, kOk);
    }
    void TearDown() override {
        engine.reset();
        // The engine ends once its pending requests are done and lets the
        // callback go.
        for (int i = 0; i < 500 && callback.refs.load() != 1; ++i) {
            QThread::msleep(10);
        }
        EXPECT_EQ(callback.refs.load(), 1);
    }
    com::LONG connect() {
        EXPECT_EQ(engine->Connect(0), kOk);
        return callback.log.waitFor("OnConnect", ++connects_).value;
    }

    HandheldPrefix prefix;
    test::RecordingCallback callback;
    ComPtr<ITandemEngine> engine;

private:
    int connects_ = 0;
};

TEST_F(AsyncEngineTest, CopiesFromThePcWithProgressFromTheWorkerThread) {
    ASSERT_EQ(connect(), kOk);
    QByteArray contents(1 << 20, 'x');
    for (int i = 0; i < contents.size(); i += 4093) {
        contents[i] = static_cast<char>(i);
    }
    MachinePathRecord from = record(kMachinePc, prefix.putOnPc("Wren.wve", contents));
    MachinePathRecord to = record(kMachineHandheld, "C:\\System\\Alarms\\Wren.wve");
    ASSERT_EQ(engine->CopyFile(&from, &to, 1), kOk);

    const Report done = callback.log.waitFor("OnCopyFile");
    ASSERT_EQ(done.method, "OnCopyFile");
    EXPECT_EQ(done.value, kOk);
    EXPECT_NE(done.thread, std::this_thread::get_id());

    const std::vector<Report> progress = callback.log.of("OnCopyProgress");
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress.front().value, 0);
    EXPECT_EQ(progress.back().value, 100);
    for (std::size_t i = 0; i < progress.size(); ++i) {
        EXPECT_EQ(progress[i].thread, done.thread);
        if (i > 0) {
            EXPECT_GT(progress[i].value, progress[i - 1].value);
        }
    }
    QFile copied(prefix.hostOf("C:\\System\\Alarms\\Wren.wve"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), contents);
}

TEST_F(AsyncEngineTest, ReportsTheCodesTheCatalogueActsOn) {
    ASSERT_EQ(connect(), kOk);
    prefix.putOnHandheld("C:\\System\\Alarms\\Busy.wve", "old");
    simulator::holdFileOpen("Recorder", "c:\\system\\alarms\\BUSY.WVE", prefix.handheld());

    MachinePathRecord missingPc = record(kMachinePc, prefix.pcPath("missing.wve"));
    MachinePathRecord missingHandheld = record(kMachineHandheld, "C:\\System\\Alarms\\None.wve");
    MachinePathRecord source = record(kMachinePc, prefix.putOnPc("New.wve", "new"));
    MachinePathRecord busy = record(kMachineHandheld, "C:\\System\\Alarms\\Busy.wve");

    ComPtr<ITandemFile> info;
    ASSERT_EQ(engine->GetFileInfo(&missingHandheld, info.put()), kOk);
    EXPECT_EQ(callback.log.waitFor("OnGetFileInfo").value, kErrorFileNotFound);
    const BYTE* r = nullptr;
    EXPECT_NE(info->GetInfo(&r), kOk);

    ASSERT_EQ(engine->CopyFile(&missingPc, &busy, 1), kOk);
    EXPECT_EQ(callback.log.waitFor("OnCopyFile", 1).value, kErrorFileNotFound);
    ASSERT_EQ(engine->CopyFile(&source, &busy, 1), kOk);
    EXPECT_EQ(callback.log.waitFor("OnCopyFile", 2).value, kErrorSharingViolation);
    ASSERT_EQ(engine->DeleteFile(&busy), kOk);
    EXPECT_EQ(callback.log.waitFor("OnDeleteFile").value, kErrorSharingViolation);

    QFile kept(prefix.hostOf("C:\\System\\Alarms\\Busy.wve"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

TEST_F(AsyncEngineTest, NotConnectedGives1121) {
    simulator::setHandheldConnected(false, prefix.handheld());
    EXPECT_EQ(connect(), kErrorNotConnected);
    MachinePathRecord source = record(kMachinePc, prefix.putOnPc("A.wve", "a"));
    MachinePathRecord target = record(kMachineHandheld, "C:\\A.wve");
    ASSERT_EQ(engine->CopyFile(&source, &target, 1), kOk);
    EXPECT_EQ(callback.log.waitFor("OnCopyFile").value, kErrorNotConnected);
    ASSERT_EQ(engine->GetMachineInfo(kMachineHandheld), kOk);
    EXPECT_EQ(callback.log.waitFor("OnGetMachineInfo").value, kErrorNotConnected);
    EXPECT_FALSE(QFile::exists(prefix.hostOf("C:\\A.wve")));

    // Pulling the cable after connecting ends the link as well.
    simulator::setHandheldConnected(true, prefix.handheld());
    ASSERT_EQ(connect(), kOk);
    simulator::setHandheldConnected(false, prefix.handheld());
    ASSERT_EQ(engine->CopyFile(&source, &target, 1), kOk);
    EXPECT_EQ(callback.log.waitFor("OnCopyFile", 2).value, kErrorNotConnected);
}

TEST_F(AsyncEngineTest, ConnectWaitsForTheHandheldWithinItsTimeOut) {
    simulator::setHandheldConnected(false, prefix.handheld());
    ASSERT_EQ(engine->Connect(5000), kOk);
    QThread::msleep(50);
    simulator::setHandheldConnected(true, prefix.handheld());
    EXPECT_EQ(callback.log.waitFor("OnConnect").value, kOk);
}

TEST_F(AsyncEngineTest, CancelledCopyLeavesNoHalfFile) {
    ASSERT_EQ(connect(), kOk);
    const QString existing = prefix.putOnHandheld("C:\\Old.wve", "previous");
    MachinePathRecord from =
        record(kMachinePc, prefix.putOnPc("Big.wve", QByteArray(1 << 20, 'b')));
    MachinePathRecord overwrite = record(kMachineHandheld, "C:\\Old.wve");
    MachinePathRecord fresh = record(kMachineHandheld, "C:\\Fresh.wve");
    callback.cancelAt = 50;
    ASSERT_EQ(engine->CopyFile(&from, &overwrite, 1), kOk);
    ASSERT_EQ(engine->CopyFile(&from, &fresh, 1), kOk);
    EXPECT_EQ(callback.log.waitFor("OnCopyFile", 1).value, kErrorCancelled);
    EXPECT_EQ(callback.log.waitFor("OnCopyFile", 2).value, kErrorCancelled);

    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "previous");
    EXPECT_FALSE(QFile::exists(prefix.hostOf("C:\\Fresh.wve")));
    EXPECT_EQ(QDir(QFileInfo(existing).path()).entryList(QDir::Files), QStringList({"Old.wve"}));
}

TEST_F(AsyncEngineTest, DirectoryListingMatchesTheFolder) {
    ASSERT_EQ(connect(), kOk);
    prefix.putOnHandheld("C:\\Docs\\beta.txt", "22");
    prefix.putOnHandheld("C:\\Docs\\Alpha.txt", "1");
    prefix.putOnHandheld("C:\\Docs\\gamma.wve", "333");
    prefix.putOnHandheld("C:\\Docs\\Sub\\inner.txt", "x");

    MachinePathRecord folder = record(kMachineHandheld, "c:\\DOCS");
    ComPtr<ITandemDirectory> listing;
    ASSERT_EQ(engine->GetDirectory(&folder, listing.put()), kOk);
    ASSERT_TRUE(listing);
    const Report done = callback.log.waitFor("OnGetDirectory");
    EXPECT_EQ(done.value, kOk);
    EXPECT_EQ(done.text, "4");

    QStringList names;
    std::vector<com::DWORD> sizes;
    for (;;) {
        ComPtr<ITandemFile> entry;
        ULONG fetched = 0;
        ASSERT_EQ(listing->Next(1, entry.put(), &fetched), kOk);
        if (fetched == 0) {
            break;
        }
        char name[kPathFieldSize] = {};
        ASSERT_EQ(entry->GetName(name), kOk);
        names << QString::fromLatin1(name);
        const BYTE* info = nullptr;
        ASSERT_EQ(entry->GetInfo(&info), kOk);
        sizes.push_back(readDword(info, file_record::kSize));
    }
    EXPECT_EQ(names, QStringList({"Alpha.txt", "beta.txt", "gamma.wve", "Sub"}));
    EXPECT_EQ(sizes, (std::vector<com::DWORD>{1, 2, 3, 0}));

    // A pattern lists the matching names only.
    MachinePathRecord pattern = record(kMachineHandheld, "C:\\Docs\\*.TXT");
    ComPtr<ITandemDirectory> texts;
    ASSERT_EQ(engine->GetDirectory(&pattern, texts.put()), kOk);
    EXPECT_EQ(callback.log.waitFor("OnGetDirectory", 2).text, "2");
}

TEST_F(AsyncEngineTest, ReportsDrivesMachineAndFolderWork) {
    ASSERT_EQ(connect(), kOk);
    MachinePathRecord machine = record(kMachineHandheld, "");
    ASSERT_EQ(engine->GetDrives(&machine), kOk);
    const Report drives = callback.log.waitFor("OnGetDrives");
    EXPECT_EQ(drives.value, kOk);
    EXPECT_EQ(drives.text, "C:|D:|");

    ASSERT_EQ(engine->GetMachineInfo(kMachineHandheld), kOk);
    EXPECT_EQ(callback.log.waitFor("OnGetMachineInfo").text, "Velox owner|5");

    prefix.putOnHandheld("D:\\Src\\a.txt", "a");
    prefix.putOnHandheld("D:\\Src\\Deep\\b.txt", "b");
    MachinePathRecord src = record(kMachineHandheld, "D:\\Src");
    MachinePathRecord dst = record(kMachineHandheld, "C:\\Copy");
    ASSERT_EQ(engine->CopyDirectory(&src, &dst, 0), kOk);
    EXPECT_EQ(callback.log.waitFor("OnCopyDirectory").value, kOk);
    EXPECT_EQ(callback.log.of("OnCopyDirectoryProgress").size(), 2u);
    EXPECT_TRUE(QFile::exists(prefix.hostOf("C:\\Copy\\Deep\\b.txt")));
}

TEST_F(AsyncEngineTest, MethodsBeforeInitAreRefused) {
    ComPtr<ITandemEngine> fresh = createEngine();
    ASSERT_TRUE(fresh);
    MachinePathRecord file = record(kMachineHandheld, "C:\\x");
    ComPtr<ITandemFile> info;
    EXPECT_EQ(fresh->Connect(0), kErrorNotReady);
    EXPECT_EQ(fresh->GetFileInfo(&file, info.put()), kErrorNotReady);
    EXPECT_FALSE(info);
    EXPECT_EQ(fresh->Init(nullptr), kErrorInvalidParameter);
    EXPECT_EQ(fresh->GetFileInfo(nullptr, info.put()), kErrorInvalidParameter);
}

TEST_F(AsyncEngineTest, ReleasingTheEngineWithRequestsPendingEndsCleanly) {
    ASSERT_EQ(connect(), kOk);
    MachinePathRecord from =
        record(kMachinePc, prefix.putOnPc("P.wve", QByteArray(256 * 1024, 'p')));
    for (int i = 0; i < 5; ++i) {
        MachinePathRecord to = record(kMachineHandheld, QString("C:\\P%1.wve").arg(i));
        ASSERT_EQ(engine->CopyFile(&from, &to, 1), kOk);
    }
    engine.reset(); // TearDown waits for the callback to be let go
}

TEST(EngineModuleTest, RegistersBothClassesAndUnloadsWhenNothingLives) {
    test::HandheldPrefix prefix;
    EngineModule& module = EngineModule::instance();
    ASSERT_NE(module.registerServer, nullptr);
    ASSERT_EQ(module.registerServer(), com::S_OK);
    for (const char* key : {"CLSID\\{3C476900-F450-11CF-885E-0020AFC04E78}\\InprocServer32",
                            "CLSID\\{3C476920-F450-11CF-885E-0020AFC04E78}\\InprocServer32"}) {
        char value[4096] = {};
        registry::LONG size = sizeof value;
        ASSERT_EQ(registry::RegQueryValueA(registry::HKEY_CLASSES_ROOT, key, value, &size),
                  registry::ERROR_SUCCESS)
            << key;
        EXPECT_EQ(QFileInfo(value).canonicalFilePath(),
                  QFileInfo(TANDEM_ENGINE_MODULE).canonicalFilePath());
    }

    EXPECT_EQ(module.canUnloadNow(), com::S_OK);
    {
        ComPtr<com::IClassFactory> factory;
        ASSERT_EQ(
            module.getClassObject(CLSID_TandemEngineS, com::IID_IClassFactory, factory.putVoid()),
            com::S_OK);
        ComPtr<ITandemEngineS> sync;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_ITandemEngineS, sync.putVoid()), com::S_OK);
        ComPtr<ITandemEngine> wrong;
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_ITandemEngine, wrong.putVoid()),
                  com::E_NOINTERFACE);
        EXPECT_EQ(module.canUnloadNow(), com::S_FALSE);
    }
    EXPECT_EQ(module.canUnloadNow(), com::S_OK);
    ComPtr<com::IClassFactory> none;
    EXPECT_EQ(module.getClassObject(IID_ITandemEngine, com::IID_IClassFactory, none.putVoid()),
              com::CLASS_E_CLASSNOTAVAILABLE);

    // A host creates the engine by class through the registration.
    test::RecordingCallback callback;
    {
        ComPtr<ITandemEngine> engine;
        ASSERT_EQ(com::CoCreateInstance(CLSID_TandemEngine, nullptr, com::CLSCTX_INPROC_SERVER,
                                        IID_ITandemEngine, engine.putVoid()),
                  com::S_OK);
        ASSERT_EQ(engine->Init(&callback), kOk);
        ASSERT_EQ(engine->Connect(0), kOk);
        EXPECT_EQ(callback.log.waitFor("OnConnect").value, kOk);
    }
    for (int i = 0; i < 500 && callback.refs.load() != 1; ++i) {
        QThread::msleep(10);
    }
    EXPECT_EQ(callback.refs.load(), 1);

    ASSERT_EQ(module.unregisterServer(), com::S_OK);
    char value[16] = {};
    registry::LONG size = sizeof value;
    EXPECT_EQ(registry::RegQueryValueA(registry::HKEY_CLASSES_ROOT,
                                       "CLSID\\{3C476900-F450-11CF-885E-0020AFC04E78}", value,
                                       &size),
              registry::ERROR_FILE_NOT_FOUND);
}

} // namespace
