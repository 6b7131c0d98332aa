// The synchronous link control against a recording engine: results through
// out-parameters and return values, the buffers it hands the engine, and
// progress events on the calling thread.

#include "EventSink.h"
#include "FakeEngine.h"
#include "LateCall.h"
#include "platform/com/ComPtr.h"
#include "support/ScopedPrefix.h"
#include "tanlink/CTanlinkCtrlS.h"
#include "tanlink/ModuleLock.h"

#include <cstring>
#include <gtest/gtest.h>

namespace velox::test {
namespace {

using namespace com;
using tanlink::CFSinfoS;
using tanlink::CTanlinkCtrlS;

class SyncControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        baseline_ = tanlink::moduleLock().count();
        control_ = ComPtr<CTanlinkCtrlS>::attach(CTanlinkCtrlS::create());
    }
    void TearDown() override {
        control_.reset();
        EXPECT_EQ(liveEngineObjects().load(), 0);
        EXPECT_EQ(tanlink::moduleLock().count(), baseline_);
    }
    IDispatch* dispatch() { return control_.get(); }
    FakeEngineS& initialised() {
        EXPECT_EQ(call(dispatch(), "Init").asLong(), 0);
        EXPECT_NE(FakeEngineS::last(), nullptr);
        return *FakeEngineS::last();
    }

    ScopedPrefix prefix_;
    EventSink sink_{tanlink::IID__DTandemEngSEvents};
    FakeEngineClasses classes_;
    ComPtr<CTanlinkCtrlS> control_;
    long baseline_ = 0;
};

TEST_F(SyncControlTest, GetDrivesReturnsTheTextUpToTheFirstNulAndTheCodeInLError) {
    FakeEngineS& engine = initialised();
    engine.script.drives = QByteArray("C:\0D:\0\0", 7);
    engine.script.code = 0;
    LONG error = -1;
    const CallResult drives = call(dispatch(), "GetDrives", {Arg::i2(2), Arg::i4Ref(&error)});
    EXPECT_EQ(drives.asText(), "C:");
    EXPECT_EQ(error, 0);
    EXPECT_EQ(engine.calls().last(), "GetDrives 2: 32");
    // A full buffer without any NUL is cut at its 32 bytes.
    engine.script.drives = QByteArray(40, 'X');
    engine.script.code = 1121;
    const CallResult full = call(dispatch(), "GetDrives", {Arg::i2(2), Arg::i4Ref(&error)});
    EXPECT_EQ(full.asText(), QString(32, 'X'));
    EXPECT_EQ(error, 1121);
}

TEST_F(SyncControlTest, MachineInformationComesThroughBuffersOfTheirOwnSizes) {
    FakeEngineS& engine = initialised();
    engine.script.owner = QByteArray("Anna Schmidt\0rest", 17);
    engine.script.machineType = -2; // 0xFFFE
    LONG error = -1;
    EXPECT_EQ(call(dispatch(), "GetMachineOwnerInfo", {Arg::i2(2), Arg::i4Ref(&error)}).asText(),
              "Anna Schmidt");
    EXPECT_EQ(engine.calls().last(), "GetMachineInfo 2 4000");
    EXPECT_EQ(call(dispatch(), "GetMachineTypeInfo", {Arg::i2(2), Arg::i4Ref(&error)}).asLong(),
              0xFFFE); // widened without sign
    EXPECT_EQ(engine.calls().last(), "GetMachineInfo 2 255");
    EXPECT_EQ(error, 0);
}

TEST_F(SyncControlTest, GetDirectoryReportsCodeAndCountThroughItsOutParameters) {
    FakeEngineS& engine = initialised();
    engine.script.yieldObjects = true;
    engine.script.directoryCount = 12;
    LONG error = -1;
    SHORT files = -1;
    {
        const CallResult listing = call(
            dispatch(), "GetDirectory",
            {Arg::i2(2), Arg::text("C:\\My Documents"), Arg::i4Ref(&error), Arg::i2Ref(&files)});
        EXPECT_NE(listing.asObject(), nullptr);
    }
    EXPECT_EQ(error, 0);
    EXPECT_EQ(files, 12);
    EXPECT_EQ(engine.calls().last(), "GetDirectory 2:C:\\My Documents");
}

TEST_F(SyncControlTest, ObjectMethodsGiveNothingAndTheCodeWhenTheEngineHasNoObject) {
    FakeEngineS& engine = initialised();
    engine.script.code = 2;
    LONG error = -1;
    EXPECT_EQ(call(dispatch(), "GetFileInfo", {Arg::i2(2), Arg::text("C:\\x"), Arg::i4Ref(&error)})
                  .asObject(),
              nullptr);
    EXPECT_EQ(error, 2);
    error = -1;
    EXPECT_EQ(call(dispatch(), "GetDriveInfo", {Arg::i2(2), Arg::text("Q:"), Arg::i4Ref(&error)})
                  .asObject(),
              nullptr);
    EXPECT_EQ(error, 2);
    error = -1;
    EXPECT_EQ(call(dispatch(), "GetExtraMachineInfo", {Arg::i2(2), Arg::i4Ref(&error)}).asObject(),
              nullptr);
    EXPECT_EQ(error, 2);
}

TEST_F(SyncControlTest, BeforeInitTheCodeInLErrorIsNotInitialised) {
    LONG error = 0;
    EXPECT_EQ(call(dispatch(), "GetDrives", {Arg::i2(2), Arg::i4Ref(&error)}).asText(), "");
    EXPECT_EQ(error, CO_E_NOTINITIALIZED);
    error = 0;
    EXPECT_EQ(call(dispatch(), "GetFileInfo", {Arg::i2(2), Arg::text("C:\\x"), Arg::i4Ref(&error)})
                  .asObject(),
              nullptr);
    EXPECT_EQ(error, CO_E_NOTINITIALIZED);
    EXPECT_EQ(call(dispatch(), "Disconnect").asLong(), 0);
    EXPECT_EQ(FakeEngineS::last(), nullptr);
}

TEST_F(SyncControlTest, ParseFileReturnsThePathAndLeavesTheOutParametersAlone) {
    FakeEngineS& engine = initialised();
    std::strcpy(engine.script.parsed.path, "C:\\a.txt");
    engine.script.parsed.driveLength = 2;
    SHORT drive = 77, dir = 77, file = 77, ext = 77;
    VARIANT_BOOL wild = 77;
    EXPECT_EQ(call(dispatch(), "ParseFile",
                   {Arg::text(""), Arg::text("C:\\"), Arg::text("a.txt"), Arg::i2Ref(&drive),
                    Arg::i2Ref(&dir), Arg::i2Ref(&file), Arg::i2Ref(&ext), Arg::boolRef(&wild)})
                  .asText(),
              "C:\\a.txt");
    EXPECT_EQ(engine.calls().last(), "ParseFile (null) C:\\ a.txt");
    EXPECT_EQ(drive, 77);
    EXPECT_EQ(wild, 77);
}

TEST_F(SyncControlTest, TheLaterMembersSitOneDispidEarlierThanTheAsynchronousOnes) {
    const std::pair<const char*, DISPID> rows[] = {
        {"GetMachineOwnerInfo", 20},
        {"SetConfiguration", 25},
        {"GetConfiguration", 26},
        {"ClosePrograms", 27},
        {"StartProgram", 28},
        {"StopProgram", 29},
        {"ReadConfig", 30},
        {"WriteConfig", 31},
        {"GetMachineTypeInfo", 32},
        {"AboutBox", DISPID_ABOUTBOX},
        {"CancelOperation", DISPID_UNKNOWN},
        {"GetMachineInfo", DISPID_UNKNOWN},
    };
    for (const auto& [name, id] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(dispidOf(dispatch(), name), id);
    }
}

TEST_F(SyncControlTest, ProgressFiresOnTheCallingThreadAndCarriesTheCancelAnswer) {
    auto container = control_.as<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(tanlink::IID__DTandemEngSEvents, point.put()), S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(&sink_, &cookie), S_OK);
    FakeEngineS& engine = initialised();
    sink_.answerCancel(true);
    BOOL cancel = FALSE;
    engine.callback()->OnCopyProgress(40, &cancel);
    engine.callback()->OnCopyDirectoryProgress("Bell.wve");
    engine.callback()->OnFormatProgress(10, nullptr);
    engine.callback()->OnCloseProgramProgress("Recorder", "C:\\Bell.wve");
    EXPECT_EQ(cancel, TRUE);
    const std::vector<RecordedEvent> events = sink_.events();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].id, CFSinfoS::OnCopyProgressId);
    EXPECT_EQ(events[0].args, (QStringList{"40", "0"}));
    EXPECT_EQ(events[1].id, CFSinfoS::OnCopyDirectoryProgressId);
    EXPECT_EQ(events[1].args, QStringList{"Bell.wve"});
    EXPECT_EQ(events[2].id, CFSinfoS::OnFormatProgressId);
    EXPECT_EQ(events[3].args, (QStringList{"Recorder", "C:\\Bell.wve"}));
    for (const RecordedEvent& e : events) {
        EXPECT_EQ(e.thread, std::this_thread::get_id());
    }
    EXPECT_EQ(point->Unadvise(cookie), S_OK);
}

} // namespace
} // namespace velox::test
