// The asynchronous link control against a recording engine: what reaches
// the engine for each late-bound call, what comes back, the events, and the
// control's life with its engine and callback object.

#include "EventSink.h"
#include "FakeEngine.h"
#include "LateCall.h"
#include "platform/com/ComPtr.h"
#include "support/ScopedPrefix.h"
#include "tanlink/CTanlinkCtrl.h"
#include "tanlink/ModuleLock.h"

#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace velox::test {
namespace {

using namespace com;
using tanlink::CFSinfo;
using tanlink::CTanlinkCtrl;

class AsyncControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        classes_.emplace();
        baseline_ = tanlink::moduleLock().count();
        control_ = ComPtr<CTanlinkCtrl>::attach(CTanlinkCtrl::create());
    }
    void TearDown() override {
        control_.reset();
        EXPECT_EQ(FakeEngine::live(), 0);
        EXPECT_EQ(liveEngineObjects().load(), 0);
        EXPECT_EQ(tanlink::moduleLock().count(), baseline_);
    }

    IDispatch* dispatch() { return control_.get(); }
    FakeEngine& initialised() {
        EXPECT_EQ(call(dispatch(), "Init").asLong(), 0);
        FakeEngine* engine = FakeEngine::last();
        EXPECT_NE(engine, nullptr);
        return *engine;
    }
    // Advises `sink` on the control's event interface.
    void advise(EventSink& target) {
        auto container = control_.as<IConnectionPointContainer>();
        ASSERT_TRUE(container);
        ComPtr<IConnectionPoint> point;
        ASSERT_EQ(container->FindConnectionPoint(tanlink::IID__DTandemEngEvents, point.put()),
                  S_OK);
        DWORD cookie = 0;
        ASSERT_EQ(point->Advise(&target, &cookie), S_OK);
    }

    ScopedPrefix prefix_;
    // Outlives the control, which may still hold it.
    EventSink sink{tanlink::IID__DTandemEngEvents};
    std::optional<FakeEngineClasses> classes_;
    ComPtr<CTanlinkCtrl> control_;
    long baseline_ = 0;
};

TEST_F(AsyncControlTest, BeforeInitDisconnectAnswersZeroAndOtherCallsReachNoEngine) {
    EXPECT_EQ(call(dispatch(), "Disconnect").asLong(), 0);
    EXPECT_EQ(call(dispatch(), "Connect", {Arg::i4(1000)}).asLong(), CO_E_NOTINITIALIZED);
    EXPECT_EQ(call(dispatch(), "CreateDirectory", {Arg::i2(2), Arg::text("C:\\System\\")}).asLong(),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(call(dispatch(), "GetFileInfo", {Arg::i2(2), Arg::text("C:\\a")}).hr,
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(
        call(dispatch(), "MatchWildcard", {Arg::text("a"), Arg::text("*"), Arg::boolean(true)}).hr,
        CO_E_NOTINITIALIZED);
    EXPECT_EQ(FakeEngine::live(), 0);
    EXPECT_FALSE(control_->hasEngine());
}

TEST_F(AsyncControlTest, InitHandsTheEngineTheCallbackInterfaceAndReturnsItsCode) {
    FakeEngine& engine = initialised();
    EXPECT_EQ(engine.calls(), QStringList{"Init"});
    ASSERT_NE(engine.callback(), nullptr);
    ComPtr<tanlink::ITandemCallback> same;
    EXPECT_EQ(engine.callback()->QueryInterface(tanlink::IID_ITandemCallback, same.putVoid()),
              S_OK);
}

TEST_F(AsyncControlTest, InitWithoutARegisteredEngineReturnsTheCreationError) {
    classes_.reset();
    EXPECT_EQ(call(dispatch(), "Init").asLong(), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(control_->hasEngine());
    EXPECT_TRUE(control_->hasCallback());
    EXPECT_EQ(call(dispatch(), "Connect", {Arg::i4(5)}).asLong(), CO_E_NOTINITIALIZED);
}

TEST_F(AsyncControlTest, AnEngineWhoseInitFailsGetsNoFurtherCalls) {
    FakeEngine::failNextInit(1121);
    EXPECT_EQ(call(dispatch(), "Init").asLong(), 1121);
    FakeEngine* engine = FakeEngine::last();
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(call(dispatch(), "Connect", {Arg::i4(5)}).asLong(), CO_E_NOTINITIALIZED);
    EXPECT_EQ(call(dispatch(), "Disconnect").asLong(), 0);
    EXPECT_EQ(engine->calls(), (QStringList{"Init", "Disconnect"}));
}

TEST_F(AsyncControlTest, ASecondInitReleasesTheFirstEngineAndCallbackObject) {
    initialised();
    const long withOne = tanlink::moduleLock().count();
    initialised();
    EXPECT_EQ(FakeEngine::live(), 1);
    // The control and one callback object, as after the first Init.
    EXPECT_EQ(tanlink::moduleLock().count(), withOne);
}

struct PackingRow {
    const char* method;
    std::vector<Arg> args;
    QString engineCall;
};

TEST_F(AsyncControlTest, EachMethodPacksItsRecordsAndPassesTheEngineCodeThrough) {
    const std::vector<PackingRow> rows = {
        {"Connect", {Arg::i4(15000)}, "Connect 15000"},
        {"CopyFile",
         {Arg::i2(1), Arg::text("C:\\velox\\temp.wve"), Arg::i2(2),
          Arg::text("C:\\System\\Alarms\\Bell.wve"), Arg::i2(3)},
         "CopyFile 1:C:\\velox\\temp.wve 2:C:\\System\\Alarms\\Bell.wve 3"},
        {"MoveFile",
         {Arg::i2(2), Arg::text("C:\\a"), Arg::i2(1), Arg::text("D:\\b"), Arg::i2(0)},
         "MoveFile 2:C:\\a 1:D:\\b 0"},
        {"DeleteFile", {Arg::i2(2), Arg::text("C:\\a.txt")}, "DeleteFile 2:C:\\a.txt"},
        {"RenameFile",
         {Arg::i2(2), Arg::text("C:\\a.txt"), Arg::text("b.txt")},
         "RenameFile 2:C:\\a.txt b.txt"},
        {"DeleteDirectory", {Arg::i2(2), Arg::text("C:\\Old")}, "DeleteDirectory 2:C:\\Old"},
        {"GetDrives", {Arg::i2(2)}, "GetDrives 2:"},
        {"LabelDrive", {Arg::i2(2), Arg::text("D:"), Arg::text("Card")}, "LabelDrive 2:D: Card"},
        {"CreateDirectory",
         {Arg::i2(2), Arg::text("C:\\System\\Alarms\\")},
         "CreateDirectory 2:C:\\System\\Alarms\\"},
        {"MoveDirectory",
         {Arg::i2(1), Arg::text("C:\\x"), Arg::i2(2), Arg::text("C:\\y"), Arg::i2(1)},
         "MoveDirectory 1:C:\\x 2:C:\\y 1"},
        {"SetAttributes",
         {Arg::i2(2), Arg::text("C:\\a"), Arg::i4(0x21)},
         "SetAttributes 2:C:\\a 33"},
        {"CopyDirectory",
         {Arg::i2(2), Arg::text("C:\\x"), Arg::i2(1), Arg::text("C:\\y"), Arg::i2(2)},
         "CopyDirectory 2:C:\\x 1:C:\\y 2"},
        {"RenameDirectory",
         {Arg::i2(2), Arg::text("C:\\x"), Arg::text("z")},
         "RenameDirectory 2:C:\\x z"},
        {"GetMachineInfo", {Arg::i2(2)}, "GetMachineInfo 2"},
        {"MachineSyncTime", {}, "MachineSyncTime"},
        {"Format", {Arg::i2(2), Arg::text("D:")}, "Format 2:D:"},
        {"ClosePrograms", {Arg::i2(2), Arg::text("C:")}, "ClosePrograms 2:C:"},
        {"StartProgram", {Arg::i2(2), Arg::text("C:\\p.exe")}, "StartProgram 2:C:\\p.exe"},
        {"StopProgram", {Arg::i2(2), Arg::text("C:\\p.exe")}, "StopProgram 2:C:\\p.exe"},
        {"ReadConfig",
         {Arg::i2(2), Arg::i2(1), Arg::text("C:\\cfg.dat")},
         "ReadConfig 2 1:C:\\cfg.dat"},
        {"WriteConfig",
         {Arg::i2(1), Arg::text("C:\\cfg.dat"), Arg::i2(2)},
         "WriteConfig 1:C:\\cfg.dat 2"},
    };
    FakeEngine& engine = initialised();
    engine.script.code = 33;
    for (const PackingRow& row : rows) {
        SCOPED_TRACE(row.method);
        const QStringList before = engine.calls();
        const CallResult result = call(dispatch(), row.method, row.args);
        ASSERT_EQ(result.hr, S_OK);
        EXPECT_EQ(result.value.vt, VT_I4);
        EXPECT_EQ(result.asLong(), 33);
        const QStringList after = engine.calls();
        ASSERT_EQ(after.size(), before.size() + 1);
        EXPECT_EQ(after.last(), row.engineCall);
    }
}

TEST_F(AsyncControlTest, APathTooLongForItsRecordIsRefusedBeforeTheEngine) {
    FakeEngine& engine = initialised();
    const QString longPath = "C:\\" + QString(257, 'a'); // 260 characters: no room for the NUL
    EXPECT_EQ(call(dispatch(), "DeleteFile", {Arg::i2(2), Arg::text(longPath)}).asLong(),
              tanlink::kErrorPathTooLong);
    EXPECT_EQ(call(dispatch(), "CopyFile",
                   {Arg::i2(1), Arg::text("C:\\a"), Arg::i2(2), Arg::text(longPath), Arg::i2(0)})
                  .asLong(),
              tanlink::kErrorPathTooLong);
    EXPECT_EQ(call(dispatch(), "GetFileInfo", {Arg::i2(2), Arg::text(longPath)}).hr,
              tanlink::kPathTooLongResult);
    const QString fits = "C:\\" + QString(256, 'a'); // 259 characters and the NUL
    EXPECT_EQ(call(dispatch(), "DeleteFile", {Arg::i2(2), Arg::text(fits)}).asLong(), 0);
    EXPECT_EQ(engine.calls(), (QStringList{"Init", "DeleteFile 2:" + fits}));
}

TEST_F(AsyncControlTest, ParseFilePassesEmptyPartsAsNullAndWritesTheFiveValues) {
    FakeEngine& engine = initialised();
    std::strcpy(engine.script.parsed.path, "C:\\Dir\\*.txt");
    engine.script.parsed.driveLength = 2;
    engine.script.parsed.directoryLength = 5;
    engine.script.parsed.fileLength = 1;
    engine.script.parsed.extensionLength = 4;
    engine.script.parsed.wildcard = 1;
    SHORT drive = -1, dir = -1, file = -1, ext = -1;
    VARIANT_BOOL wild = VARIANT_FALSE;
    const CallResult parsed =
        call(dispatch(), "ParseFile",
             {Arg::text("C:\\Dir\\"), Arg::text(""), Arg::text("*.txt"), Arg::i2Ref(&drive),
              Arg::i2Ref(&dir), Arg::i2Ref(&file), Arg::i2Ref(&ext), Arg::boolRef(&wild)});
    ASSERT_EQ(parsed.hr, S_OK);
    EXPECT_EQ(parsed.asText(), "C:\\Dir\\*.txt");
    EXPECT_EQ(engine.calls().last(), "ParseFile C:\\Dir\\ (null) *.txt");
    EXPECT_EQ(drive, 2);
    EXPECT_EQ(dir, 5);
    EXPECT_EQ(file, 1);
    EXPECT_EQ(ext, 4);
    EXPECT_EQ(wild, VARIANT_TRUE);
}

TEST_F(AsyncControlTest, MatchWildcardReturnsTheEnginesAnswerWhateverItsCode) {
    FakeEngine& engine = initialised();
    engine.script.code = 87;
    engine.script.wildcardAnswer = TRUE;
    const CallResult yes = call(dispatch(), "MatchWildcard",
                                {Arg::text("Bell.wve"), Arg::text("*.WVE"), Arg::boolean(true)});
    EXPECT_EQ(yes.value.vt, VT_BOOL);
    EXPECT_EQ(yes.value.boolVal, VARIANT_TRUE);
    EXPECT_EQ(engine.calls().last(), "MatchWildcard Bell.wve *.WVE 1");
    engine.script.code = 0;
    engine.script.wildcardAnswer = FALSE;
    const CallResult no =
        call(dispatch(), "MatchWildcard", {Arg::text("a"), Arg::text("b"), Arg::boolean(false)});
    EXPECT_EQ(no.value.boolVal, VARIANT_FALSE);
}

TEST_F(AsyncControlTest, ConfigurationAndCancelReturnTheResultNotTheCode) {
    FakeEngine& engine = initialised();
    engine.script.code = 5;
    engine.script.configurationResult = 7;
    EXPECT_EQ(call(dispatch(), "SetConfiguration", {Arg::i4(19200), Arg::i4(1)}).asLong(), 7);
    LONG baud = 0, port = 0;
    EXPECT_EQ(call(dispatch(), "GetConfiguration", {Arg::i4Ref(&baud), Arg::i4Ref(&port)}).asLong(),
              7);
    EXPECT_EQ(baud, 19200);
    EXPECT_EQ(port, 2);
    EXPECT_EQ(call(dispatch(), "CancelOperation").asLong(), 7);
    EXPECT_EQ(engine.calls().mid(1),
              (QStringList{"SetConfiguration 19200 1", "GetConfiguration", "CancelOperation"}));
}

TEST_F(AsyncControlTest, ObjectMethodsReturnNothingWithoutLeakingWhenTheEngineGivesNone) {
    FakeEngine& engine = initialised();
    engine.script.code = 2;
    for (const char* method : {"GetFileInfo", "GetDriveInfo", "GetDirectory"}) {
        SCOPED_TRACE(method);
        const CallResult r = call(dispatch(), method, {Arg::i2(2), Arg::text("C:\\x")});
        ASSERT_EQ(r.hr, S_OK);
        EXPECT_EQ(r.value.vt, VT_DISPATCH);
        EXPECT_EQ(r.asObject(), nullptr);
    }
    const CallResult machine = call(dispatch(), "GetExtraMachineInfo", {Arg::i2(2)});
    EXPECT_EQ(machine.asObject(), nullptr);
    EXPECT_EQ(tanlink::moduleLock().count(), baseline_ + 2); // the control and its callback
}

TEST_F(AsyncControlTest, ObjectMethodsHandOutAnObjectOnTheEnginesObject) {
    FakeEngine& engine = initialised();
    engine.script.yieldObjects = true;
    {
        const CallResult file = call(dispatch(), "GetFileInfo", {Arg::i2(2), Arg::text("C:\\a")});
        ASSERT_NE(file.asObject(), nullptr);
        EXPECT_EQ(call(file.asObject(), "GetFileName").asText(), "FAKE.TXT");
        const CallResult drive = call(dispatch(), "GetDriveInfo", {Arg::i2(2), Arg::text("C:")});
        EXPECT_NE(drive.asObject(), nullptr);
        const CallResult machine = call(dispatch(), "GetExtraMachineInfo", {Arg::i2(2)});
        EXPECT_NE(machine.asObject(), nullptr);
        const CallResult listing =
            call(dispatch(), "GetDirectory", {Arg::i2(2), Arg::text("C:\\")});
        EXPECT_NE(listing.asObject(), nullptr);
        EXPECT_EQ(liveEngineObjects().load(), 4);
    }
    // Each object had the one reference its result released.
    EXPECT_EQ(liveEngineObjects().load(), 0);
    EXPECT_EQ(engine.calls().mid(1), (QStringList{"GetFileInfo 2:C:\\a", "GetDriveInfo 2:C:",
                                                  "GetExtraMachineInfo 2", "GetDirectory 2:C:\\"}));
}

TEST_F(AsyncControlTest, DisconnectAlwaysAnswersZero) {
    FakeEngine& engine = initialised();
    engine.script.code = 1121;
    EXPECT_EQ(call(dispatch(), "Disconnect").asLong(), 0);
    EXPECT_EQ(engine.calls().last(), "Disconnect");
}

TEST_F(AsyncControlTest, CallbacksFireTheirEventsOnTheEnginesThread) {
    advise(sink);
    FakeEngine& engine = initialised();
    sink.answerCancel(true);
    std::thread::id worker;
    BOOL cancel = FALSE;
    std::thread thread([&] {
        worker = std::this_thread::get_id();
        tanlink::ITandemCallback* cb = engine.callback();
        cb->OnConnect(1121);
        cb->OnGetFileInfo(2);
        cb->OnCopyProgress(100, &cancel);
        cb->OnCopyFile(33);
        cb->OnGetDirectory(0, 65535);
        cb->OnGetMachineInfo(0, "Anna", 3);
        cb->OnCloseProgramProgress("Recorder", nullptr);
        cb->OnDisconnect(0);
    });
    thread.join();
    EXPECT_EQ(cancel, TRUE);
    const std::vector<RecordedEvent> events = sink.events();
    ASSERT_EQ(events.size(), 8u);
    const std::vector<std::pair<DISPID, QStringList>> expected = {
        {2, {"1121"}},          {19, {"2"}},
        {5, {"100", "0"}},      {3, {"33"}},
        {13, {"0", "65535"}},   {21, {"0", "Anna", "3"}},
        {27, {"Recorder", ""}}, {4, {"0"}},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].id, expected[i].first);
        EXPECT_EQ(events[i].args, expected[i].second);
        EXPECT_EQ(events[i].thread, worker);
    }
}

TEST_F(AsyncControlTest, TheDriveListIsJoinedBySpacesOnlyWhenTheErrorIsZero) {
    advise(sink);
    FakeEngine& engine = initialised();
    static const char drives[] = "C\0D\0";
    engine.callback()->OnGetDrives(0, drives);
    engine.callback()->OnGetDrives(5, drives);
    static const char none[] = "\0";
    engine.callback()->OnGetDrives(0, none);
    const std::vector<RecordedEvent> events = sink.events();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].args, (QStringList{"0", "C D"}));
    EXPECT_EQ(events[1].args, (QStringList{"5", "C"}));
    EXPECT_EQ(events[2].args, (QStringList{"0", ""}));
}

TEST_F(AsyncControlTest, ACallbackAfterTheControlHasGoneFiresNothing) {
    advise(sink);
    FakeEngine& engine = initialised();
    engine.AddRef(); // an engine that outlives its control
    control_.reset();
    EXPECT_EQ(sink.references(), 0u);
    EXPECT_EQ(engine.callback()->OnCopyFile(0), 0);
    EXPECT_TRUE(sink.events().empty());
    engine.Release();
}

TEST(DrivesText, JoinsEntriesUpToTheEmptyOne) {
    EXPECT_EQ(CFSinfo::drivesText(0, "C\0D\0\0E\0"), "C D");
    EXPECT_EQ(CFSinfo::drivesText(0, "Storage Card\0C\0"), "Storage Card C");
    EXPECT_EQ(CFSinfo::drivesText(1121, "C\0D\0"), "C");
    EXPECT_EQ(CFSinfo::drivesText(0, nullptr), "");
}

} // namespace
} // namespace velox::test
