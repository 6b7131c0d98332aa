#include "WindowFixture.h"
#include "catalogue/forms/PromptWindow.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/shell/Shell.h"
#include "platform/win/sound/Sound.h"

#include <QFile>
#include <QLocale>
#include <QSignalBlocker>
#include <QTest>

using namespace velox::win;
using velox::test::writeFile;

namespace {

class DeviceTransfer : public velox::test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QLocale::setDefault(QLocale::c());
        load();
        formsAtLoad = forms.shown().size();
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::system());
        WindowFixture::TearDown();
    }

    // Puts a sound on the CD in both forms and opens the alarm screen on it.
    void alarmScreenWith(const QString& name, qsizetype handheldBytes) {
        writeFile(cd.path(), "Wavs/" + name + ".WAV", "RIFF....WAVE");
        writeFile(cd.path(), "Wavs/" + name.toUpper(), QByteArray(handheldBytes, '\x11'));
        window->waveList->setPattern("*.WAV");
        window->waveList->setPath("D:\\Wavs\\");
        window->waveList->setVisible(true);
        window->frmWaves->setVisible(true);
    }

    // Selects a row without the list's own click; the tests click themselves.
    void select(const QString& entry) {
        const QSignalBlocker quiet(window->waveList);
        for (int row = 0; row < window->waveList->ListCount(); ++row) {
            if (window->waveList->List(row) == entry) {
                window->waveList->setListIndex(row);
            }
        }
    }

    // The forms shown since the window loaded (the About screen comes first).
    [[nodiscard]] std::vector<QString> formsShown() const {
        return {forms.shown().begin() + static_cast<std::ptrdiff_t>(formsAtLoad),
                forms.shown().end()};
    }

    std::size_t formsAtLoad = 0;

    QByteArray programFile(const QString& name) const {
        QFile file(programDir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(DeviceTransfer, TheSizeOfTheHandheldSoundIsCutToOneDecimal) {
    RecordingSounds sounds;
    const struct {
        qsizetype bytes;
        const char* text;
    } cases[] = {
        {1023, "0.9 kB"}, {1024, "1 kB"}, {12800, "12.5 kB"}, {2047, "1.9 kB"}, {0, "0 kB"}};
    for (const auto& c : cases) {
        alarmScreenWith("Chime", c.bytes);
        select("Chime.WAV");
        window->waveList_Click();
        EXPECT_EQ(window->lblFileInfo->Caption(), QString(c.text)) << c.bytes;
    }
    ASSERT_FALSE(sounds.played().empty());
    EXPECT_EQ(sounds.played().back().hostFile, cd.path() + "/Wavs/Chime.WAV");
    EXPECT_EQ(sounds.played().back().flags, SND_ASYNC | SND_NODEFAULT);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DeviceTransfer, TheSizeUsesTheLocaleSeparatorAndNeverGroupsDigits) {
    RecordingSounds sounds;
    QLocale::setDefault(QLocale(QLocale::German));
    alarmScreenWith("Chime", 12800);
    select("Chime.WAV");
    window->waveList_Click();
    EXPECT_EQ(window->lblFileInfo->Caption(), QString("12,5 kB"));

    // A locale that groups thousands still shows the bare digits.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    alarmScreenWith("Chime", 1024 * 1024 + 512);
    select("Chime.WAV");
    window->waveList_Click();
    EXPECT_EQ(window->lblFileInfo->Caption(), QString("1024.5 kB"));
}

TEST_F(DeviceTransfer, AMissingHandheldSoundAsksForTheCd) {
    RecordingSounds sounds;
    alarmScreenWith("Chime", 10);
    QFile::remove(cd.path() + "/Wavs/CHIME");
    select("Chime.WAV");
    window->waveList_Click();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("Please insert VELOX CD in your drive  D:"));
    EXPECT_FALSE(boxes.shown()[0].title.has_value());
    EXPECT_FALSE(window->gaugeMain->Visible());
}

TEST_F(DeviceTransfer, SetWaveWritesRepeatAndVolumeAndNothingElse) {
    const QString path = writeFile(programDir.path(), "temp.wve", QByteArray(100, '\x7f'));
    window->scrVolume->setValue(2);
    window->scrRepeat->setValue(10);
    window->setWave(path);
    QByteArray expected(100, '\x7f');
    expected[60] = '\x0a';
    expected[61] = '\x00';
    expected[62] = '\x05';
    expected[63] = '\x00';
    EXPECT_EQ(programFile("temp.wve"), expected);
}

TEST_F(DeviceTransfer, VolumeAndRepeatCaptionsFollowTheBars) {
    window->scrVolume->setValue(0);
    window->scrVolume_Change();
    EXPECT_EQ(window->lblVolume->Caption(), QString("Min"));
    window->scrVolume->setValue(2);
    window->scrVolume_Change();
    EXPECT_EQ(window->lblVolume->Caption(), QString("Max"));
    window->scrRepeat->setValue(7);
    window->scrRepeat_Change();
    EXPECT_EQ(window->lblRepeat->Caption(), QString("7"));
}

TEST_F(DeviceTransfer, CopyWithoutASelectedSoundDoesNothing) {
    alarmScreenWith("Chime", 100);
    window->waveList->setListIndex(-1);
    window->BtnCopy_Click();
    EXPECT_TRUE(window->BtnCopy->isEnabled());
    EXPECT_TRUE(programFile("temp.wve").isEmpty());
}

TEST_F(DeviceTransfer, CopyPreparesTheWorkingCopyWithTheChosenValues) {
    alarmScreenWith("chime", 100);
    select("chime.WAV");
    window->scrVolume->setValue(2);
    window->scrRepeat->setValue(10);
    window->BtnCopy_Click();
    const QByteArray copy = programFile("temp.wve");
    ASSERT_EQ(copy.size(), 100);
    EXPECT_EQ(copy.mid(60, 4), QByteArray("\x0a\x00\x05\x00", 4));
    EXPECT_EQ(window->waveWorkPath, programDir.path() + "\\temp.wve");
    // No link control is installed here: nothing would ever answer, so the
    // button comes back at once and the user learns what is missing.
    EXPECT_TRUE(window->BtnCopy->isEnabled());
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, veloxcd::texts.strLinkControlMissing);
}

TEST_F(DeviceTransfer, ACopyThatCannotStartAsksForTheCdAndGivesTheButtonBack) {
    alarmScreenWith("Chime", 100);
    select("Chime.WAV");
    removeCd();
    window->BtnCopy_Click();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, QString("Please insert VELOX CD in your drive  D:"));
    EXPECT_TRUE(window->BtnCopy->isEnabled());
}

TEST_F(DeviceTransfer, LinkAnswersDriveThePromptsTheGaugeAndTheButton) {
    window->BtnCopy->setEnabled(false);
    window->Tandem_OnConnect(0);
    window->Tandem_OnConnect(5);
    EXPECT_TRUE(formsShown().empty());
    window->Tandem_OnConnect(1121);
    window->Tandem_OnConnect(2250);
    EXPECT_EQ(formsShown(), std::vector<QString>({"Connect_Velox", "Connect_Velox"}));

    boxes.answerNext(vbNo);
    window->Tandem_OnGetFileInfo(0);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
              QString("File already exists - Do you want to overwrite it ? "));
    EXPECT_EQ(boxes.shown()[0].title, std::optional<QString>("Velox CD"));
    EXPECT_EQ(boxes.shown()[0].buttons, vbYesNo);
    EXPECT_TRUE(window->BtnCopy->isEnabled());

    window->BtnCopy->setEnabled(false);
    window->gaugeMain->setVisible(false);
    window->Tandem_OnGetFileInfo(2);
    EXPECT_TRUE(window->gaugeMain->Visible());
    EXPECT_EQ(window->GaugeValue->Width(), 0);
    EXPECT_TRUE(window->BtnCopy->isEnabled());

    bool cancel = false;
    window->Tandem_OnCopyProgress(50, cancel);
    EXPECT_EQ(window->GaugeValue->Width(), 3450);
    EXPECT_TRUE(window->GaugeValue->Caption().isEmpty());
    window->Tandem_OnCopyProgress(100, cancel);
    EXPECT_EQ(window->GaugeValue->Width(), 6900);
    EXPECT_EQ(window->GaugeValue->Caption(), QString("Copy process successful"));
    window->Tandem_OnCopyProgress(500, cancel); // out of range: held at full
    EXPECT_EQ(window->GaugeValue->Width(), 6900);
    EXPECT_FALSE(cancel);

    window->BtnCopy->setEnabled(false);
    window->Tandem_OnCopyFile(33);
    EXPECT_EQ(formsShown().back(), QString("Close_Recorder"));
    EXPECT_TRUE(window->BtnCopy->isEnabled());
    window->Tandem_OnCopyFile(0);
    EXPECT_EQ(formsShown().size(), 3U);
}

TEST_F(DeviceTransfer, InstallStartsTheInstallerWithThePackagesFullCdPath) {
    writeFile(programDir.path(), "korainst.exe", "#!/bin/sh\n");
    RecordingProcesses processes;
    veloxcd::programFolder = "\\Programs\\Tools\\";
    veloxcd::packageFile = "tool.KIT";
    window->frmWaves->setVisible(false);
    window->BtnCopy_Click();
    window->lstPrograms_DblClick();
    ASSERT_EQ(processes.started().size(), 2U);
    EXPECT_EQ(processes.started()[0].command.program, programDir.path() + "\\korainst.exe");
    EXPECT_EQ(processes.started()[0].command.arguments,
              QStringList({"D:\\Programs\\Tools\\tool.KIT"}));
    EXPECT_EQ(processes.started()[0].windowStyle, vbMinimizedFocus);

    veloxcd::packageFile.clear();
    window->BtnCopy_Click();
    window->lstPrograms_DblClick();
    EXPECT_EQ(processes.started().size(), 2U);

    // On the alarm screen the button copies sounds and never installs.
    veloxcd::packageFile = "tool.KIT";
    window->frmWaves->setVisible(true);
    window->BtnCopy_Click();
    EXPECT_EQ(processes.started().size(), 2U);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DeviceTransfer, AMissingInstallerIsNamedAndTheProgramGoesOn) {
    RecordingProcesses processes;
    veloxcd::programFolder = "\\Programs\\Tools\\";
    veloxcd::packageFile = "tool.KIT";
    window->frmWaves->setVisible(false);
    window->BtnCopy_Click();
    window->lstPrograms_DblClick();
    ASSERT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(boxes.shown()[0].text,
              "The installer cannot be started: " + programDir.path() + "\\korainst.exe");
    EXPECT_EQ(boxes.shown()[1].buttons, vbOKOnly);
    EXPECT_TRUE(processes.started().empty());
}

TEST(PromptWindows, SizeTitleAndClosingRules) {
    veloxcd::resetProgramState();
    veloxcd::language = 2;
    veloxcd::loadTexts();
    {
        veloxcd::Connect_Velox prompt;
        EXPECT_EQ(prompt.windowTitle(), QString("VELOX CD - Velox mit PC verbinden"));
        EXPECT_EQ(prompt.width(), prompt.picture->Picture().width());
        EXPECT_GT(prompt.height(), prompt.picture->Picture().height());
        prompt.show();
        QTest::keyClick(&prompt, Qt::Key_A);
        EXPECT_FALSE(prompt.isVisible());
        prompt.show();
        QTest::mouseClick(&prompt, Qt::LeftButton, {}, QPoint(2, prompt.height() - 2));
        EXPECT_FALSE(prompt.isVisible());
        prompt.show();
        QTest::keyClick(&prompt, Qt::Key_Shift); // gives no character: stays
        EXPECT_TRUE(prompt.isVisible());
    }
    {
        veloxcd::Close_Recorder prompt;
        EXPECT_EQ(prompt.windowTitle(),
                  QString::fromUtf8("VELOX CD - Recorderanwendung am Velox schließen"));
        prompt.show();
        QTest::mouseClick(&prompt, Qt::LeftButton, {}, QPoint(2, prompt.height() - 2));
        EXPECT_TRUE(prompt.isVisible()); // only the picture closes it by mouse
        QTest::mouseClick(prompt.picture, Qt::LeftButton);
        EXPECT_FALSE(prompt.isVisible());
        prompt.show();
        QTest::keyClick(&prompt, Qt::Key_Shift);
        EXPECT_FALSE(prompt.isVisible());
    }
    veloxcd::resetProgramState();
}
