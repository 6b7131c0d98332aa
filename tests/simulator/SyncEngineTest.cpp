// The synchronous engine: the same work in the caller's thread, results in
// out-arguments, only progress through the callback.

#include "HandheldTestSupport.h"
#include "platform/com/ComPtr.h"
#include "simulator/HandheldSetup.h"
#include "simulator/SyncTandemEngine.h"
#include "tanlink/EngineCodes.h"
#include "tanlink/InfoRecords.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>

using namespace velox;
using namespace velox::tanlink;
using velox::com::ComPtr;
using velox::test::record;

namespace {

class SyncEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine =
            ComPtr<ITandemEngineS>::attach(simulator::SyncTandemEngine::create(prefix.handheld()));
        ASSERT_EQ(engine->Init(&callback), kOk);
        ASSERT_EQ(engine->Connect(0), kOk);
    }
    void TearDown() override {
        engine.reset();
        EXPECT_EQ(callback.refs.load(), 1);
    }

    test::HandheldPrefix prefix;
    test::RecordingCallbackS callback;
    ComPtr<ITandemEngineS> engine;
};

TEST_F(SyncEngineTest, CopiesInTheCallersThreadReportingProgress) {
    const QByteArray contents(300 * 1024, 's');
    MachinePathRecord from = record(kMachinePc, prefix.putOnPc("S.wve", contents));
    MachinePathRecord to = record(kMachineHandheld, "C:\\System\\Alarms\\S.wve");
    EXPECT_EQ(engine->CopyFile(&from, &to, 1), kOk);
    const auto progress = callback.log.of("OnCopyProgress");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front().value, 0);
    EXPECT_EQ(progress.back().value, 100);
    for (const auto& report : progress) {
        EXPECT_EQ(report.thread, std::this_thread::get_id());
    }
    QFile copied(prefix.hostOf("C:\\System\\Alarms\\S.wve"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), contents);

    // Without the replace flag an existing target stays.
    EXPECT_EQ(engine->CopyFile(&from, &to, 0), kErrorFileExists);
}

TEST_F(SyncEngineTest, AnswersThroughOutArguments) {
    MachinePathRecord machine = record(kMachineHandheld, "");
    char drives[32];
    std::memset(drives, 'z', sizeof drives);
    ASSERT_EQ(engine->GetDrives(&machine, drives, 32), kOk);
    EXPECT_EQ(QByteArray(drives, 7), QByteArray("C:\0D:\0\0", 7));
    // A buffer too small for both entries gets the whole entries that fit.
    char small[5];
    ASSERT_EQ(engine->GetDrives(&machine, small, 5), kOk);
    EXPECT_EQ(QByteArray(small, 4), QByteArray("C:\0\0", 4));

    char owner[6];
    com::SHORT type = 0;
    ASSERT_EQ(engine->GetMachineInfo(kMachineHandheld, owner, sizeof owner, &type), kOk);
    EXPECT_STREQ(owner, "Velox");
    EXPECT_EQ(type, 5);

    prefix.putOnHandheld("D:\\List\\one", "1");
    prefix.putOnHandheld("D:\\List\\two", "22");
    MachinePathRecord folder = record(kMachineHandheld, "D:\\List\\");
    ComPtr<ITandemDirectory> listing;
    com::SHORT count = -1;
    ASSERT_EQ(engine->GetDirectory(&folder, listing.put(), &count), kOk);
    EXPECT_EQ(count, 2);
    ASSERT_TRUE(listing);

    MachinePathRecord missing = record(kMachineHandheld, "D:\\None");
    ComPtr<ITandemDirectory> none;
    EXPECT_EQ(engine->GetDirectory(&missing, none.put(), &count), kErrorPathNotFound);
    EXPECT_FALSE(none);
    EXPECT_EQ(count, 0);

    ComPtr<ITandemFile> file;
    MachinePathRecord nothing = record(kMachineHandheld, "D:\\List\\three");
    EXPECT_EQ(engine->GetFileInfo(&nothing, file.put()), kErrorFileNotFound);
    EXPECT_FALSE(file);
}

TEST_F(SyncEngineTest, ConfigurationAndCancel) {
    com::LONG result = -1;
    ASSERT_EQ(engine->SetConfiguration(&result, 38400, 2), kOk);
    EXPECT_EQ(result, kOk);
    ASSERT_EQ(engine->SetConfiguration(&result, 1234, 2), kOk);
    EXPECT_EQ(result, kErrorInvalidParameter);
    com::LONG baud = 0;
    com::LONG port = 0;
    ASSERT_EQ(engine->GetConfiguration(&result, &baud, &port), kOk);
    EXPECT_EQ(baud, 38400);
    EXPECT_EQ(port, 2);

    callback.cancelAt = 0;
    MachinePathRecord from = record(kMachinePc, prefix.putOnPc("C.wve", "data"));
    MachinePathRecord to = record(kMachineHandheld, "C:\\C.wve");
    EXPECT_EQ(engine->CopyFile(&from, &to, 1), kErrorCancelled);
    EXPECT_FALSE(QFile::exists(prefix.hostOf("C:\\C.wve")));
}

TEST_F(SyncEngineTest, ExtraMachineInformationFillsTheRecord) {
    prefix.changeState([](simulator::HandheldState& s) {
        s.machine.romMajor = -3;
        s.machine.freeRam = 1111;
        s.machine.maxFreeRam = 2222;
        s.machine.name = "Falcon Pro";
    });
    ComPtr<ITandemMachine> machine;
    ASSERT_EQ(engine->GetExtraMachineInfo(kMachineHandheld, machine.put()), kOk);
    const BYTE* r = nullptr;
    ASSERT_EQ(machine->GetInfo(&r), kOk);
    EXPECT_EQ(readText(r, machine_record::kName, 32), "Falcon Pro");
    EXPECT_EQ(readSignedByte(r, machine_record::kRomMajor), -3);
    EXPECT_EQ(readLong(r, machine_record::kFreeRam), 1111);
    EXPECT_EQ(readLong(r, machine_record::kMaxFreeRam), 2222);
    EXPECT_EQ(readLong(r, machine_record::kRomReprogrammable), 1);

    ComPtr<ITandemMachine> pc;
    EXPECT_EQ(engine->GetExtraMachineInfo(kMachinePc, pc.put()), kErrorInvalidParameter);
    EXPECT_FALSE(pc);
}

} // namespace
