#include "catalogue/start/Main.h"

#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/runtime/ProgramEnd.h"
#include "support/ScopedPrefix.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace veloxcd;
using namespace velox::win;
using velox::test::writeFile;

namespace {

// A message box seam that runs an action before answering, so a test can put
// the CD in the drive while the prompt is up.
class PromptWithAction : public MessageBoxSeam {
public:
    PromptWithAction() { setMessageBoxSeam(this); }
    ~PromptWithAction() override { setMessageBoxSeam(nullptr); }
    PromptWithAction(const PromptWithAction&) = delete;
    PromptWithAction& operator=(const PromptWithAction&) = delete;

    std::vector<std::pair<std::function<void()>, int>> script;
    std::vector<MessageBoxRequest> shown;

    int show(const MessageBoxRequest& request) override {
        shown.push_back(request);
        if (script.empty()) {
            return vbCancel;
        }
        auto [action, answer] = script.front();
        script.erase(script.begin());
        if (action) {
            action();
        }
        return answer;
    }
};

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        resetProgramState();
        setAppPath(programDir.path());
        writeFile(programDir.path(), "veloxcd.db", "the catalogue");
        writeFile(cd.path(), "Pictures/LanguageFalcon.gif", "GIF89a");
    }
    void TearDown() override { setAppPath(QString()); }

    // Runs Main; returns whether the main window was shown.
    bool start() {
        bool shown = false;
        Main([&shown] { shown = true; });
        return shown;
    }

    [[nodiscard]] QString emptyDrive() const { return programDir.path() + "/no-disc"; }

    velox::test::ScopedPrefix prefix;
    QTemporaryDir programDir;
    QTemporaryDir cd;
    QTemporaryDir otherDisc;
    ScopedEndThrows ending;
};

} // namespace

TEST_F(StartUp, OneDriveWithoutADiscAsksForItWithTheDriveLetter) {
    ScriptedMessageBoxes boxes;
    prefix.writeDrives("E: cdrom " + emptyDrive() + "\n");
    EXPECT_THROW(start(), ProgramEnded); // Cancel
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("Please insert VELOX CD in your drive  E: !"));
    EXPECT_EQ(boxes.shown()[0].title, std::optional<QString>("VELOX CD"));
    EXPECT_EQ(boxes.shown()[0].buttons, vbOKCancel);
}

TEST_F(StartUp, AnEmptyFirstDriveIsPassedOverSilently) {
    ScriptedMessageBoxes boxes;
    prefix.writeDrives("D: cdrom " + emptyDrive() + "\nE: cdrom " + cd.path() + "\n");
    EXPECT_TRUE(start());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(cdDrive, QString("E:"));
}

TEST_F(StartUp, TwoEmptyDrivesPromptOnceAfterTheSecondForAnyDrive) {
    ScriptedMessageBoxes boxes;
    prefix.writeDrives("D: cdrom " + emptyDrive() + "\nF: cdrom " + emptyDrive() + "\n");
    EXPECT_THROW(start(), ProgramEnded);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
              QString("Please insert VELOX CD in any of your CD-ROM drives !"));
}

TEST_F(StartUp, AMissingPicturesFolderPromptsForThatDriveAtOnce) {
    ScriptedMessageBoxes boxes;
    prefix.writeDrives("D: cdrom " + otherDisc.path() + "\nE: cdrom " + cd.path() + "\n");
    EXPECT_THROW(start(), ProgramEnded);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("Please insert VELOX CD in your drive  D: !"));
}

TEST_F(StartUp, AnotherDiscOnTheLastOfTwoDrivesAsksForAnyDrive) {
    ScriptedMessageBoxes boxes;
    writeFile(otherDisc.path(), "Pictures/Holiday.gif", "GIF89a");
    prefix.writeDrives("D: cdrom " + emptyDrive() + "\nE: cdrom " + otherDisc.path() + "\n");
    EXPECT_THROW(start(), ProgramEnded);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
              QString("Please insert VELOX CD in any of your CD-ROM drives !"));
}

TEST_F(StartUp, OkScansAgainFromDWithTheFirstDriveCount) {
    PromptWithAction prompts;
    prefix.writeDrives("E: cdrom " + emptyDrive() + "\n");
    // While the first prompt is up a second drive with the CD appears. The count
    // taken at the start still says one drive, so E is asked for again...
    prompts.script.emplace_back(
        [&] { prefix.writeDrives("E: cdrom " + emptyDrive() + "\nF: cdrom " + cd.path() + "\n"); },
        vbOK);
    // ...and then the CD goes into E.
    prompts.script.emplace_back(
        [&] { prefix.writeDrives("E: cdrom " + cd.path() + "\nF: cdrom " + cd.path() + "\n"); },
        vbOK);
    EXPECT_TRUE(start());
    ASSERT_EQ(prompts.shown.size(), 2U);
    EXPECT_EQ(prompts.shown[1].text, QString("Please insert VELOX CD in your drive  E: !"));
    EXPECT_EQ(cdDrive, QString("E:"));
}

TEST_F(StartUp, GermanPromptsFollowTheSettingsFile) {
    ScriptedMessageBoxes boxes;
    writeFile(programDir.path(), "setting.txt", "Language: 2\r\nMachine: 1\r\n");
    prefix.writeDrives("E: cdrom " + emptyDrive() + "\n");
    EXPECT_THROW(start(), ProgramEnded);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
              QString("Bitte legen Sie die \"VELOX CD\" in Ihr Laufwerk  E: !"));
}

TEST_F(StartUp, NoCdDriveAtAllMeansNoPromptAndAnEmptyDrive) {
    ScriptedMessageBoxes boxes;
    prefix.writeDrives("C: fixed /\n");
    EXPECT_TRUE(start());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(cdDrive.isEmpty());
}

TEST_F(StartUp, AFreshStartWritesTheSettingsAndAWritableWorkingCopy) {
    ScriptedMessageBoxes boxes;
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
    QFile::setPermissions(programDir.path() + "/veloxcd.db", QFileDevice::ReadOwner);
    EXPECT_TRUE(start());
    EXPECT_EQ(cdDrive, QString("D:"));

    QFile settings(programDir.path() + "/setting.txt");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray("Language: 1\r\nMachine: 4\r\n"));

    const QString copy = prefix.path() + "/system/aengdeu.dll";
    EXPECT_EQ(systemDir, prefix.path() + "/system");
    QFile working(copy);
    ASSERT_TRUE(working.open(QIODevice::ReadOnly));
    EXPECT_EQ(working.readAll(), QByteArray("the catalogue"));
    EXPECT_TRUE(QFile::permissions(copy) & QFileDevice::WriteOwner);
    EXPECT_EQ(texts.strInsertCd, QString("Please insert VELOX CD in your drive "));
}

TEST_F(StartUp, AMissingCatalogueIsPassedOverWhenTheCdWasFound) {
    ScriptedMessageBoxes boxes;
    QFile::remove(programDir.path() + "/veloxcd.db");
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
    EXPECT_TRUE(start());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(StartUp, AMissingCatalogueWithoutACdDriveShowsTheErrorNumberAndEnds) {
    ScriptedMessageBoxes boxes;
    QFile::remove(programDir.path() + "/veloxcd.db");
    prefix.writeDrives("");
    EXPECT_FALSE(start());
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("53"));
    EXPECT_EQ(boxes.shown()[0].title, std::optional<QString>("Error"));
    EXPECT_EQ(boxes.shown()[0].buttons, vbOKOnly);
}

TEST_F(StartUp, ASettingsFileThatCannotBeWrittenDoesNotStopTheStart) {
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(QDir(programDir.path()).mkdir("setting.txt"));
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
    EXPECT_TRUE(start());
    EXPECT_EQ(language, 1);
    EXPECT_EQ(machine, 4);
}

TEST_F(StartUp, APrefixThatCannotBeMadeIsReportedAndStartUpEndsWithoutAWindow) {
    ScriptedMessageBoxes boxes;
    // The prefix lies below a file: its system folder cannot be made.
    const QString blocker = writeFile(programDir.path(), "a-file", "not a folder");
    const QByteArray previous = qgetenv("VELOX_PREFIX");
    qputenv("VELOX_PREFIX", (blocker + "/prefix").toLocal8Bit());
    bool shown = false;
    bool started = true;
    EXPECT_NO_THROW(started = Main([&shown] { shown = true; }));
    qputenv("VELOX_PREFIX", previous);
    EXPECT_FALSE(started);
    EXPECT_FALSE(shown);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].title, std::optional<QString>("Error"));
    EXPECT_EQ(boxes.shown()[0].text, QString("76"));
    EXPECT_EQ(boxes.shown()[0].buttons, vbOKOnly);
}
