// The engine's work on the simulated handheld, request by request.

#include "simulator/EngineCore.h"

#include "HandheldTestSupport.h"
#include "simulator/HandheldSetup.h"
#include "tanlink/EngineCodes.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace velox;
using namespace velox::simulator;
using namespace velox::tanlink;

namespace {

PathArgument hh(const char* path) {
    return {kMachineHandheld, QByteArray(path)};
}

class EngineCoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(core.connect(0, {}), kOk); }
    QByteArray read(const QString& handheldPath) const {
        QFile f(prefix.hostOf(handheldPath));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    test::HandheldPrefix prefix;
    EngineCore core{prefix.handheld()};
};

TEST_F(EngineCoreTest, FileRequestsGiveTheirCodes) {
    prefix.putOnHandheld("C:\\Data\\a.txt", "a");
    prefix.putOnHandheld("C:\\Data\\b.txt", "b");
    prefix.putOnHandheld("C:\\Data\\Held.txt", "h");
    simulator::holdFileOpen("Word", "C:\\Data\\Held.txt", prefix.handheld());

    struct Case {
        const char* what;
        std::function<LONG()> request;
        LONG code;
    };
    const std::vector<Case> cases = {
        {"rename to a free name", [&] { return core.renameFile(hh("C:\\Data\\a.txt"), "c.txt"); },
         kOk},
        {"rename onto an existing file",
         [&] { return core.renameFile(hh("C:\\Data\\b.txt"), "c.txt"); }, kErrorAlreadyExists},
        {"rename a missing file", [&] { return core.renameFile(hh("C:\\Data\\zz"), "y"); },
         kErrorFileNotFound},
        {"rename a held file", [&] { return core.renameFile(hh("C:\\Data\\held.txt"), "q"); },
         kErrorSharingViolation},
        {"delete a missing file", [&] { return core.deleteFile(hh("C:\\Data\\a.txt")); },
         kErrorFileNotFound},
        {"delete a folder as a file", [&] { return core.deleteFile(hh("C:\\Data")); },
         kErrorAccessDenied},
        {"set read-only", [&] { return core.setAttributes(hh("C:\\Data\\b.txt"), 0x21); }, kOk},
        {"delete a read-only file", [&] { return core.deleteFile(hh("C:\\Data\\B.TXT")); },
         kErrorAccessDenied},
        {"clear read-only", [&] { return core.setAttributes(hh("C:\\Data\\b.txt"), 0x20); }, kOk},
        {"delete it now", [&] { return core.deleteFile(hh("C:\\Data\\b.txt")); }, kOk},
        {"move onto a held file without replacing",
         [&] { return core.moveFile(hh("C:\\Data\\c.txt"), hh("C:\\Data\\Held.txt"), 1, {}); },
         kErrorSharingViolation},
        {"move to D:", [&] { return core.moveFile(hh("C:\\Data\\c.txt"), hh("D:\\"), 0, {}); },
         kOk},
        {"copy into a missing folder",
         [&] { return core.copyFile(hh("D:\\c.txt"), hh("C:\\Nowhere\\c.txt"), 1, {}); },
         kErrorPathNotFound},
        {"a path climbing out of the drive",
         [&] { return core.deleteFile(hh("C:\\..\\state.json")); }, kErrorInvalidName},
        {"a drive the handheld has not", [&] { return core.deleteFile(hh("E:\\x")); },
         kErrorPathNotFound},
        {"an unknown machine",
         [&] {
             return core.deleteFile({7, "C:\\x"});
         },
         kErrorInvalidParameter},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.request(), c.code) << c.what;
    }
    EXPECT_EQ(read("D:\\c.txt"), "a");
    EXPECT_EQ(read("C:\\Data\\Held.txt"), "h");
    EXPECT_TRUE(QFile::exists(prefix.handheld() + "/state.json"));
}

TEST_F(EngineCoreTest, AttributesAndTimesReachTheRecord) {
    const QString host = prefix.putOnHandheld("C:\\T.txt", "12345");
    QFile f(host);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    f.close();

    FileEntry entry;
    ASSERT_EQ(core.fileInfo(hh("c:\\t.TXT"), &entry), kOk);
    EXPECT_EQ(entry.name, "T.txt");
    EXPECT_EQ(+entry.record.size, 5u);
    EXPECT_EQ(+entry.record.attributes, 0x20u);
    const quint64 fileTime = (quint64{entry.record.modifiedHigh} << 32) | entry.record.modifiedLow;
    EXPECT_EQ(fileTime, (1700000000ull + 11644473600ull) * 10000000ull);

    ASSERT_EQ(core.setAttributes(hh("C:\\T.txt"), 0x03), kOk);
    ASSERT_EQ(core.fileInfo(hh("C:\\T.txt"), &entry), kOk);
    EXPECT_EQ(+entry.record.attributes, 0x03u);
    ASSERT_EQ(core.fileInfo(hh("C:\\System"), &entry), kOk);
    EXPECT_EQ(+entry.record.attributes, 0x10u);
}

TEST_F(EngineCoreTest, FolderRequests) {
    prefix.putOnHandheld("C:\\Tree\\one.txt", "1");
    prefix.putOnHandheld("C:\\Tree\\Sub\\two.txt", "2");
    std::vector<QByteArray> copied;
    auto note = [&](const QByteArray& name) { copied.push_back(name); };

    EXPECT_EQ(core.createDirectory(hh("C:\\New")), kOk);
    EXPECT_EQ(core.createDirectory(hh("C:\\new")), kErrorAlreadyExists);
    EXPECT_EQ(core.createDirectory(hh("C:\\Missing\\New")), kErrorPathNotFound);
    EXPECT_EQ(core.createDirectory(hh("C:\\")), kErrorAlreadyExists);

    EXPECT_EQ(core.copyDirectory(hh("C:\\Tree"), hh("C:\\Tree\\Sub\\Loop"), 0, note, {}),
              kErrorInvalidParameter);
    EXPECT_EQ(core.copyDirectory(hh("C:\\Tree"), hh("D:\\Tree"), 0, note, {}), kOk);
    EXPECT_EQ(copied, (std::vector<QByteArray>{"C:\\Tree\\one.txt", "C:\\Tree\\Sub\\two.txt"}));
    EXPECT_EQ(read("D:\\Tree\\Sub\\two.txt"), "2");
    EXPECT_EQ(core.copyDirectory(hh("C:\\Tree"), hh("D:\\Tree"), 0, note, {}), kErrorFileExists);
    EXPECT_EQ(core.copyDirectory(hh("C:\\Tree"), hh("D:\\Tree"), 1, note, {}), kOk);

    EXPECT_EQ(core.deleteDirectory(hh("C:\\Tree")), kErrorDirNotEmpty);
    EXPECT_EQ(core.deleteDirectory(hh("C:\\New")), kOk);
    EXPECT_EQ(core.deleteDirectory(hh("C:\\New")), kErrorFileNotFound);

    EXPECT_EQ(core.renameDirectory(hh("D:\\Tree"), "Forest"), kOk);
    EXPECT_EQ(read("D:\\Forest\\one.txt"), "1");
    EXPECT_EQ(core.moveDirectory(hh("D:\\Forest"), hh("C:\\Forest"), 0, note, {}), kOk);
    EXPECT_FALSE(QFile::exists(prefix.hostOf("D:\\Forest")));
    EXPECT_EQ(read("C:\\Forest\\Sub\\two.txt"), "2");
    EXPECT_EQ(core.moveDirectory(hh("C:\\Forest"), hh("C:\\Tree"), 0, note, {}),
              kErrorAlreadyExists);

    simulator::holdFileOpen("Viewer", "C:\\Tree\\Sub\\two.txt", prefix.handheld());
    EXPECT_EQ(core.renameDirectory(hh("C:\\Tree"), "Bush"), kErrorSharingViolation);
}

TEST_F(EngineCoreTest, DriveRequests) {
    prefix.changeState([](HandheldState& s) {
        s.drives['D'].totalSize = 6ull << 30;
        s.drives['D'].freeSpace = 4ull << 30;
    });
    DriveInfoRecord drive{};
    ASSERT_EQ(core.driveInfo(hh("d:"), &drive), kOk);
    EXPECT_EQ(+drive.totalSizeHigh, 1u);
    EXPECT_EQ(+drive.totalSizeLow, 2u << 30);
    EXPECT_EQ(+drive.freeSpaceHigh, 1u);
    EXPECT_EQ(+drive.freeSpaceLow, 0u);
    EXPECT_STREQ(drive.name, "Memory card");

    // Without a stated free space, the drive's contents count against it.
    prefix.putOnHandheld("C:\\Fill.bin", QByteArray(1000, 'f'));
    ASSERT_EQ(core.driveInfo(hh("C:\\"), &drive), kOk);
    EXPECT_EQ(+drive.freeSpaceLow, (8u << 20) - 1000u);

    EXPECT_EQ(core.labelDrive(hh("C:"), "Main"), kOk);
    EXPECT_EQ(core.labelDrive(hh("C:"), QByteArray(32, 'L')), kErrorInvalidName);
    ASSERT_EQ(core.driveInfo(hh("C:"), &drive), kOk);
    EXPECT_STREQ(drive.name, "Main");

    simulator::holdFileOpen("Sheet", "C:\\Fill.bin", prefix.handheld());
    EXPECT_EQ(core.format(hh("C:"), {}), kErrorSharingViolation);
    std::vector<int> steps;
    EXPECT_EQ(core.format(hh("D:"),
                          [&](int p) {
                              steps.push_back(p);
                              return false;
                          }),
              kOk);
    EXPECT_EQ(steps.back(), 100);
    simulator::releaseFile("C:\\Fill.bin", prefix.handheld());
    EXPECT_EQ(core.format(hh("C:"), {}), kOk);
    EXPECT_TRUE(QDir(prefix.hostOf("C:\\")).isEmpty());
    EXPECT_EQ(core.format({kMachinePc, prefix.pcPath("").toLocal8Bit()}, {}), kErrorAccessDenied);
}

TEST_F(EngineCoreTest, ProgramsClockAndConfiguration) {
    prefix.putOnHandheld("C:\\Apps\\Recorder.app", "app");
    prefix.changeState([](HandheldState& s) {
        s.openFiles = {{"Recorder", "C:\\System\\Alarms\\A.wve"}, {"Agenda", "D:\\Diary.agd"}};
        s.machine.clockOffset = 3600;
    });
    EXPECT_EQ(core.startProgram(hh("C:\\Apps\\recorder.app")), kOk);
    EXPECT_EQ(core.startProgram(hh("C:\\Apps\\Missing.app")), kErrorFileNotFound);
    std::vector<QByteArray> closed;
    EXPECT_EQ(core.closePrograms(hh("C:"),
                                 [&](const QByteArray& app, const QByteArray& file) {
                                     closed.push_back(app + "|" + file);
                                 }),
              kOk);
    EXPECT_EQ(closed, (std::vector<QByteArray>{"Recorder|C:\\System\\Alarms\\A.wve"}));
    HandheldState state = *HandheldStateFile(prefix.handheld()).load();
    EXPECT_TRUE(state.runningPrograms.isEmpty());
    ASSERT_EQ(state.openFiles.size(), 1u);
    EXPECT_EQ(state.openFiles[0].application, "Agenda");
    EXPECT_EQ(core.stopProgram(hh("D:\\Agenda.app")), kOk);
    EXPECT_TRUE(HandheldStateFile(prefix.handheld()).load()->openFiles.empty());

    EXPECT_EQ(core.syncTime(), kOk);
    EXPECT_EQ(HandheldStateFile(prefix.handheld()).load()->machine.clockOffset, 0);

    const PathArgument saved{kMachinePc, prefix.pcPath("config.ini").toLocal8Bit()};
    EXPECT_EQ(core.readConfig(kMachineHandheld, saved), kOk);
    QFile file(prefix.pcPath("config.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_TRUE(file.readAll().startsWith("[Link]"));
    file.write("Owner=Me\r\n");
    file.close();
    EXPECT_EQ(core.writeConfig(saved, kMachineHandheld), kOk);
    EXPECT_TRUE(HandheldStateFile(prefix.handheld()).load()->config.endsWith("Owner=Me\r\n"));
    EXPECT_EQ(core.readConfig(kMachinePc, saved), kErrorInvalidParameter);
}

TEST_F(EngineCoreTest, ADamagedStateFileIsNeverOverwritten) {
    const QString path = prefix.handheld() + "/state.json";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"connected\": true, \"machine\": {\"type\": \"five\"}");
    file.close();
    QString error;
    EXPECT_FALSE(HandheldStateFile(prefix.handheld()).load(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(simulator::setHandheldConnected(false, prefix.handheld()));

    EngineCore fresh(prefix.handheld());
    EXPECT_EQ(fresh.connect(0, {}), kErrorNotConnected);
    EXPECT_EQ(core.labelDrive(hh("C:"), "X"), kErrorNotConnected);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "{\"connected\": true, \"machine\": {\"type\": \"five\"}");
}

TEST(HandheldStateTest, RoundTripsThroughItsFile) {
    HandheldState state = HandheldState::defaults();
    state.connected = true;
    state.machine.idHigh = 0xFFFFFFFF;
    state.machine.romMajor = -1;
    state.drives['D'].freeSpace = 4ull << 30;
    state.openFiles = {{"Recorder", "C:\\x.wve"}};
    state.attributes.insert("c:\\x.wve", 0x21);
    QString error;
    const auto back = HandheldState::fromJson(state.toJson(), &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(back->machine.idHigh, 0xFFFFFFFFu);
    EXPECT_EQ(back->machine.romMajor, -1);
    EXPECT_EQ(back->drives['D'].freeSpace, std::optional<quint64>(4ull << 30));
    EXPECT_FALSE(back->drives['C'].freeSpace.has_value());
    EXPECT_TRUE(back->isHeldOpen("C:\\X.WVE"));
    EXPECT_EQ(back->attributes.value("c:\\x.wve"), 0x21u);
    EXPECT_EQ(back->config, state.config);

    for (const char* bad : {"[]", "{\"connected\": 1}", "{\"machine\": {\"romMajor\": 300}}",
                            "{\"drives\": {\"CD\": {}}}", "{\"baud\": 1.5}"}) {
        EXPECT_FALSE(HandheldState::fromJson(bad, &error)) << bad;
    }
}

} // namespace
