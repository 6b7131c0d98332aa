// Device transfer from end to end: the real window with the real link control
// module and the engine stand-in, both registered with regsvr in the test's
// prefix, a simulated handheld in that prefix, and the stand-in installer in
// the program folder.

#include "WindowFixture.h"
#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/LinkEventSink.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/com/Activation.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/shell/Shell.h"
#include "platform/win/sound/Sound.h"
#include "simulator/HandheldSetup.h"
#include "support/QuietRegsvr.h"
#include "support/WaitFor.h"

#include <QDir>
#include <QFile>
#include <QSignalBlocker>
#include <QTest>
#include <functional>

using namespace velox::win;
using velox::test::writeFile;

namespace {

constexpr int eventTimeoutMs = 20000;
const QString target = QStringLiteral("C:\\System\\Alarms\\Chime");

int regsvr(const char* module) {
    return velox::test::registerQuietly(VELOX_REGSVR, module);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A handheld sound: every byte different from its neighbours, so a byte in the
// wrong place shows.
QByteArray handheldSound(int size) {
    QByteArray sound(size, '\0');
    for (int i = 0; i < size; ++i) {
        sound[i] = static_cast<char>('A' + i % 23);
    }
    return sound;
}

class LinkTransfer : public velox::test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_EQ(regsvr(VELOX_TANLINK_OCX), 0);
        ASSERT_EQ(regsvr(VELOX_TANDEM_ENGINE), 0);
        velox::simulator::HandheldState handheld = velox::simulator::HandheldState::defaults();
        handheld.connected = true;
        ASSERT_TRUE(velox::simulator::setUpHandheld(handheld));
        load();
        // The test reads the controls; the window need not be drawn (drawing
        // its scaled pictures would only start the painter's helper threads).
        window->hide();
        formsAtLoad = forms.shown().size();
        ASSERT_TRUE(window->Tandem->created());
        // Opening the alarm screen starts the link, as the category button does.
        ASSERT_TRUE(window->Tandem->call(QStringLiteral("Init")));
        // A second sink beside the window's tells the test what the handheld
        // answered; it hears each event after the window's handler has run.
        observer = veloxcd::LinkEventSink::create(recordingHandlers());
        ASSERT_TRUE(observer->advise(window->Tandem->dispatch()));
    }

    void TearDown() override {
        if (observer) {
            // The engine answers in order: once a last Disconnect has come
            // back, its worker has finished everything the test asked and
            // leaves the handheld's folder alone.
            const qsizetype disconnects = events.filter(QStringLiteral("disconnect")).size();
            if (window->Tandem->call(QStringLiteral("Disconnect"))) {
                ASSERT_TRUE(velox::test::waitFor(
                    [&] {
                        return events.filter(QStringLiteral("disconnect")).size() > disconnects;
                    },
                    eventTimeoutMs));
            }
            observer->detach();
        }
        WindowFixture::TearDown();
    }

    veloxcd::LinkEventHandlers recordingHandlers() {
        veloxcd::LinkEventHandlers handlers;
        const auto record = [this](const char* name) {
            return [this, name](qint32 error) {
                events << QStringLiteral("%1 %2").arg(name).arg(error);
            };
        };
        handlers.onConnect = record("connect");
        handlers.onDisconnect = record("disconnect");
        handlers.onGetFileInfo = record("info");
        handlers.onCopyFile = record("copy");
        handlers.onCopyProgress = [this](qint16 percent, bool&) {
            events << QStringLiteral("progress %1").arg(percent);
        };
        return handlers;
    }

    // Puts a sound on the CD in both forms, opens the alarm screen on it and
    // clicks it in the list (which plays it and hides the gauge).
    void alarmScreenWith(const QString& listed, const QByteArray& handheldForm) {
        writeFile(cd.path(), "Wavs/" + listed, "RIFF....WAVE");
        writeFile(cd.path(), "Wavs/" + listed.left(listed.size() - 4).toUpper(), handheldForm);
        window->waveList->setPattern("*.WAV");
        window->waveList->setPath("D:\\Wavs\\");
        window->waveList->setVisible(true);
        window->frmWaves->setVisible(true);
        const QSignalBlocker quiet(window->waveList);
        for (int row = 0; row < window->waveList->ListCount(); ++row) {
            if (window->waveList->List(row) == listed) {
                window->waveList->setListIndex(row);
            }
        }
        window->waveList_Click();
    }

    // From now on the observer also runs `duringCopy` at every progress
    // event, on the window's thread, while the engine waits for the answer.
    void onProgress(std::function<void()> duringCopy) {
        observer->detach();
        veloxcd::LinkEventHandlers handlers = recordingHandlers();
        handlers.onCopyProgress = [this, duringCopy = std::move(duringCopy)](qint16 percent,
                                                                             bool&) {
            events << QStringLiteral("progress %1").arg(percent);
            duringCopy();
        };
        observer = veloxcd::LinkEventSink::create(std::move(handlers));
        ASSERT_TRUE(observer->advise(window->Tandem->dispatch()));
    }

    // Presses the copy button and waits until the handheld has answered
    // everything the copy asked, up to its closing Disconnect.
    void copyAndWait() {
        const qsizetype disconnects = events.filter(QStringLiteral("disconnect")).size();
        window->BtnCopy_Click();
        EXPECT_FALSE(window->BtnCopy->isEnabled());
        ASSERT_TRUE(velox::test::waitFor(
            [&] { return events.filter(QStringLiteral("disconnect")).size() > disconnects; },
            eventTimeoutMs));
    }

    [[nodiscard]] QString handheldFolder(const QString& relative) const {
        return QDir(velox::simulator::defaultHandheldRoot()).filePath(relative);
    }
    [[nodiscard]] QStringList alarms() const {
        return QDir(handheldFolder("C/System/Alarms")).entryList(QDir::Files);
    }
    [[nodiscard]] std::vector<QString> formsShown() const {
        return {forms.shown().begin() + static_cast<std::ptrdiff_t>(formsAtLoad),
                forms.shown().end()};
    }

    std::size_t formsAtLoad = 0;
    RecordingSounds sounds;
    QStringList events;
    velox::com::ComPtr<veloxcd::LinkEventSink> observer;
};

TEST_F(LinkTransfer, ASoundArrivesInTheAlarmFolderWithItsRepeatAndVolume) {
    const QByteArray sound = handheldSound(3000);
    alarmScreenWith("Chime.WAV", sound);
    window->scrVolume->setValue(2);
    window->scrRepeat->setValue(10);
    copyAndWait();

    EXPECT_EQ(events.filter(QStringLiteral("info")), QStringList{"info 2"});
    EXPECT_EQ(events.filter(QStringLiteral("copy")), QStringList{"copy 0"});
    EXPECT_EQ(events.filter(QStringLiteral("progress")).last(), QString("progress 100"));
    EXPECT_EQ(alarms(), QStringList{"Chime"}); // the name as listed, without ".WAV"
    QByteArray expected = sound;
    expected.replace(60, 4, QByteArray("\x0a\x00\x05\x00", 4));
    EXPECT_EQ(readFile(handheldFolder("C/System/Alarms/Chime")), expected);
    EXPECT_TRUE(window->gaugeMain->Visible());
    EXPECT_TRUE(window->GaugeValue->Visible());
    EXPECT_EQ(window->GaugeValue->Width(), 6900);
    EXPECT_EQ(window->GaugeValue->Caption(), QString("Copy process successful"));
    EXPECT_TRUE(window->BtnCopy->isEnabled());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(formsShown().empty());
}

TEST_F(LinkTransfer, AnExistingSoundIsOnlyReplacedWhenTheUserSaysYes) {
    const QByteArray old("an older alarm");
    writeFile(handheldFolder("C/System/Alarms"), "Chime", old);
    const QByteArray sound = handheldSound(500);
    alarmScreenWith("Chime.WAV", sound);

    boxes.answerNext(vbNo);
    copyAndWait();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text,
              QString("File already exists - Do you want to overwrite it ? "));
    EXPECT_EQ(boxes.shown()[0].buttons, vbYesNo);
    EXPECT_EQ(events.filter(QStringLiteral("info")), QStringList{"info 0"});
    EXPECT_TRUE(events.filter(QStringLiteral("copy")).isEmpty());
    EXPECT_TRUE(events.filter(QStringLiteral("progress")).isEmpty());
    EXPECT_EQ(readFile(handheldFolder("C/System/Alarms/Chime")), old);
    EXPECT_FALSE(window->gaugeMain->Visible());
    EXPECT_EQ(window->GaugeValue->Width(), 0);
    EXPECT_TRUE(window->BtnCopy->isEnabled());

    boxes.answerNext(vbYes);
    window->scrRepeat->setValue(3);
    window->scrVolume->setValue(0);
    copyAndWait();
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return events.filter(QStringLiteral("copy")) == QStringList{"copy 0"}; },
        eventTimeoutMs));
    EXPECT_EQ(boxes.shown().size(), 2U);
    QByteArray expected = sound;
    expected.replace(60, 4, QByteArray("\x03\x00\x01\x00", 4));
    EXPECT_EQ(readFile(handheldFolder("C/System/Alarms/Chime")), expected);
    EXPECT_EQ(window->GaugeValue->Caption(), QString("Copy process successful"));
    EXPECT_TRUE(window->BtnCopy->isEnabled());
}

TEST_F(LinkTransfer, AHandheldThatIsNotConnectedBringsUpTheConnectPrompt) {
    ASSERT_TRUE(velox::simulator::setHandheldConnected(false));
    alarmScreenWith("Chime.WAV", handheldSound(200));
    window->BtnCopy_Click();
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return events.filter(QStringLiteral("info")).size() == 1; }, eventTimeoutMs));
    EXPECT_EQ(formsShown(), std::vector<QString>{"Connect_Velox"});
    EXPECT_TRUE(events.filter(QStringLiteral("copy")).isEmpty());
    EXPECT_TRUE(alarms().isEmpty());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(window->BtnCopy->isEnabled());
}

TEST_F(LinkTransfer, ASoundHeldOpenOnTheHandheldBringsUpTheRecorderPromptAndStays) {
    const QByteArray old("the alarm the Recorder plays");
    writeFile(handheldFolder("C/System/Alarms"), "Chime", old);
    ASSERT_TRUE(velox::simulator::holdFileOpen("Recorder", target));
    alarmScreenWith("Chime.WAV", handheldSound(800));
    boxes.answerNext(vbYes);
    window->BtnCopy_Click();
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return events.filter(QStringLiteral("copy")) == QStringList{"copy 33"}; },
        eventTimeoutMs));
    EXPECT_EQ(formsShown(), std::vector<QString>{"Close_Recorder"});
    EXPECT_EQ(readFile(handheldFolder("C/System/Alarms/Chime")), old);
    EXPECT_TRUE(window->BtnCopy->isEnabled());
}

TEST_F(LinkTransfer, TheInstallerGetsThePackagesFullCdPathAndOnlyFromTheProgramScreens) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELOX_KORAINST), programDir.filePath("korainst.exe")));
    const QByteArray package("a program for the handheld");
    writeFile(cd.path(), "Programs/Tools/tool.KIT", package);
    veloxcd::programFolder = "\\Programs\\Tools\\";
    const QString installLog = handheldFolder("installer.log");

    // No package: nothing starts. On the alarm screen the button copies
    // sounds and never installs, even with a package chosen before.
    window->frmWaves->setVisible(false);
    window->lstPrograms_DblClick();
    window->BtnCopy_Click();
    veloxcd::packageFile = "tool.KIT";
    window->frmWaves->setVisible(true);
    window->BtnCopy_Click();

    window->frmWaves->setVisible(false);
    window->lstPrograms_DblClick();
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return readFile(handheldFolder("C/Install/tool.KIT")) == package; }, eventTimeoutMs));
    ASSERT_TRUE(velox::test::waitFor([&] { return readFile(installLog).contains("installed"); },
                                     eventTimeoutMs));
    // One run of the installer, with the package's path on the CD.
    const QList<QByteArray> runs = readFile(installLog).trimmed().split('\n');
    ASSERT_EQ(runs.size(), 1);
    EXPECT_TRUE(runs[0].contains("korainst.exe D:\\Programs\\Tools\\tool.KIT -> installed"))
        << runs[0].toStdString();
    EXPECT_TRUE(boxes.shown().empty());
}

// Opening the alarm screen while a copy runs keeps the engine the copy runs
// on: the copy's answers still come and the key comes back.
TEST_F(LinkTransfer, ReopeningTheAlarmScreenWhileConnectingKeepsTheCopy) {
    ASSERT_TRUE(velox::simulator::setHandheldConnected(false));
    alarmScreenWith("Chime.WAV", handheldSound(300));
    window->BtnCopy_Click();
    EXPECT_FALSE(window->BtnCopy->isEnabled());
    window->Kategorie_Click(7); // within the connect time-out

    ASSERT_TRUE(velox::simulator::setHandheldConnected(true));
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return events.filter(QStringLiteral("copy")) == QStringList{"copy 0"}; },
        eventTimeoutMs));
    EXPECT_EQ(alarms(), QStringList{"Chime"});
    EXPECT_TRUE(window->BtnCopy->isEnabled());
    EXPECT_TRUE(formsShown().empty());
}

TEST_F(LinkTransfer, ReopeningTheAlarmScreenDuringTheCopyKeepsItAndTheNextInitStartsAfresh) {
    alarmScreenWith("Chime.WAV", handheldSound(200000));
    bool reopened = false;
    onProgress([this, &reopened] {
        if (!reopened) {
            reopened = true;
            window->Kategorie_Click(7); // the copy is under way
        }
    });

    copyAndWait();
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return events.filter(QStringLiteral("copy")) == QStringList{"copy 0"}; },
        eventTimeoutMs));
    EXPECT_TRUE(reopened);
    EXPECT_EQ(window->GaugeValue->Caption(), QString("Copy process successful"));

    // With the copy ended the screen starts a new engine, which copies too.
    window->Kategorie_Click(7);
    alarmScreenWith("Chime.WAV", handheldSound(100));
    boxes.answerNext(vbYes);
    copyAndWait();
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return events.filter(QStringLiteral("copy")).size() == 2; }, eventTimeoutMs));
    EXPECT_EQ(events.filter(QStringLiteral("copy")).last(), QString("copy 0"));
    EXPECT_EQ(readFile(handheldFolder("C/System/Alarms/Chime")).size(), 100);
}

// An engine let go during its copy ends on its worker thread, which then runs
// on for a moment: freeing unused modules meanwhile must leave its module.
TEST_F(LinkTransfer, FreeingUnusedModulesDuringACopyLeavesTheEngineLoaded) {
    alarmScreenWith("Chime.WAV", handheldSound(400000));
    bool dropped = false;
    onProgress([this, &dropped] {
        if (!dropped) {
            dropped = true;
            // A new engine: the running copy keeps the old one to its end.
            window->Tandem->call(QStringLiteral("Init"));
        }
        velox::com::CoFreeUnusedLibraries();
    });

    window->BtnCopy_Click();
    ASSERT_TRUE(velox::test::waitFor([&] { return dropped; }, eventTimeoutMs));
    // The old engine finishes the copy on its own; keep freeing meanwhile.
    const auto copiedWhileFreeing = [this] {
        velox::com::CoFreeUnusedLibraries();
        return readFile(handheldFolder("C/System/Alarms/Chime")).size() == 400000;
    };
    ASSERT_TRUE(velox::test::waitFor([&] { return copiedWhileFreeing(); }, eventTimeoutMs));
    for (int i = 0; i < 200; ++i) {
        velox::com::CoFreeUnusedLibraries();
        QTest::qWait(1);
    }
    // The new engine answers.
    const qsizetype disconnects = events.filter(QStringLiteral("disconnect")).size();
    ASSERT_TRUE(window->Tandem->call(QStringLiteral("Disconnect")).succeeded());
    ASSERT_TRUE(velox::test::waitFor(
        [&] { return events.filter(QStringLiteral("disconnect")).size() > disconnects; },
        eventTimeoutMs));
}

// The link pieces that can be missing from an installation, one by one.
class LinkMishaps : public velox::test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        velox::simulator::HandheldState handheld = velox::simulator::HandheldState::defaults();
        handheld.connected = true;
        ASSERT_TRUE(velox::simulator::setUpHandheld(handheld));
        writeFile(cd.path(), "Wavs/Chime.WAV", "RIFF....WAVE");
        writeFile(cd.path(), "Wavs/CHIME", handheldSound(100));
    }

    // Opens the alarm screen as the bell does, picks the sound and presses
    // the copy key twice.
    void copyTwice() {
        window->hide();
        window->Kategorie_Click(7);
        window->waveList->setListIndex(0);
        window->BtnCopy_Click();
        EXPECT_TRUE(window->BtnCopy->isEnabled());
        window->BtnCopy_Click();
        EXPECT_TRUE(window->BtnCopy->isEnabled());
    }

    RecordingSounds sounds;
};

TEST_F(LinkMishaps, WithoutTheLinkControlTheKeySaysSoOnceAndComesBack) {
    load();
    ASSERT_FALSE(window->Tandem->created());
    copyTwice();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, veloxcd::texts.strLinkControlMissing);
    EXPECT_EQ(boxes.shown()[0].buttons, vbOKOnly);
}

TEST_F(LinkMishaps, WithoutTheEngineTheKeySaysSoOnceAndComesBack) {
    ASSERT_EQ(regsvr(VELOX_TANLINK_OCX), 0);
    load();
    ASSERT_TRUE(window->Tandem->created());
    copyTwice();
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].text, veloxcd::texts.strLinkEngineMissing);

    // The same key still installs programs.
    velox::win::RecordingProcesses processes;
    writeFile(programDir.path(), "korainst.exe", "the installer");
    writeFile(cd.path(), "Programs/Tools/tool.KIT", "package");
    window->Kategorie_Click(0);
    veloxcd::programFolder = "\\Programs\\Tools\\";
    veloxcd::packageFile = "tool.KIT";
    window->BtnCopy_Click();
    EXPECT_EQ(processes.started().size(), 1U);
}

TEST_F(LinkMishaps, ACallTheLinkRefusesGivesTheKeyBackAtOnce) {
    ASSERT_EQ(regsvr(VELOX_TANLINK_OCX), 0);
    ASSERT_EQ(regsvr(VELOX_TANDEM_ENGINE), 0);
    load();
    window->hide();
    // The screen shown without its Init: the control refuses every call.
    window->waveList->setPattern("*.WAV");
    window->waveList->setPath("D:\\Wavs\\");
    window->frmWaves->setVisible(true);
    window->waveList->setListIndex(0);
    window->BtnCopy_Click();
    EXPECT_TRUE(window->BtnCopy->isEnabled());
    EXPECT_TRUE(boxes.shown().empty());
}

} // namespace
