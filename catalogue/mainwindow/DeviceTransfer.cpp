// Device transfer: installing the selected program through the maker's
// installer, and the alarm-sound screen that plays sounds on the PC and copies
// one to the handheld through the link control.
#include "catalogue/forms/PromptWindow.h"
#include "catalogue/mainwindow/LinkControlHost.h"
#include "catalogue/mainwindow/VeloxCDMainFormFalcon.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "platform/win/controls/FileListBox.h"
#include "platform/win/controls/Frame.h"
#include "platform/win/controls/HScrollBar.h"
#include "platform/win/controls/ImageBox.h"
#include "platform/win/controls/Label.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/dialogs/ModalForms.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/ErrorRegimes.h"
#include "platform/win/runtime/RuntimeError.h"
#include "platform/win/shell/Shell.h"
#include "platform/win/sound/Sound.h"

#include <QFile>
#include <QLocale>
#include <QtEndian>
#include <algorithm>

namespace veloxcd {
namespace {

namespace err = velox::win::err;
using velox::win::RuntimeError;

constexpr int connectTimeoutMs = 10000;
constexpr int copyFlags = 1;
constexpr int gaugeTwipsPerPercent = 69;
constexpr qint32 notConnected = 1121;
constexpr qint32 notConnectedOther = 2250;
constexpr qint32 fileNotFound = 2;
constexpr qint32 fileInUse = 33;
constexpr qint64 repeatOffset = 60;
constexpr qint64 volumeOffset = 62;
constexpr QLatin1String alarmFolder("C:\\System\\Alarms\\");

void showInsertCd() {
    velox::win::MsgBox(texts.strInsertCd + QLatin1Char(' ') + cdDrive);
}

// The handheld's form of a sound: the CD path in upper case without ".WAV".
QString handheldSoundPath(const QString& listEntry) {
    return (cdDrive + QStringLiteral("\\Wavs\\") + listEntry)
        .toUpper()
        .remove(QStringLiteral(".WAV"));
}

// A length in kB cut (never raised) to one decimal, in the shortest form with
// the locale's decimal separator and no digit grouping: 12800 bytes give
// "12.5 kB", 1024 give "1 kB", a mebibyte "1024 kB".
QString kilobytesText(qint64 bytes) {
    const qint64 tenths = bytes * 10 / 1024;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString number = locale.toString(tenths / 10);
    if (tenths % 10 != 0) {
        number += locale.decimalPoint() + QString::number(tenths % 10);
    }
    return number + QStringLiteral(" kB");
}

void writeLittleEndian16(QFile& file, qint64 offset, qint16 value) {
    std::array<uchar, 2> bytes{};
    qToLittleEndian(value, bytes.data());
    if (!file.seek(offset) || file.write(reinterpret_cast<const char*>(bytes.data()), 2) != 2) {
        velox::win::raiseError(err::DeviceIoError, file.fileName());
    }
}

} // namespace

QString VeloxCDMainFormFalcon::installerPath() {
    return velox::win::appPath() + QStringLiteral("\\korainst.exe");
}

void VeloxCDMainFormFalcon::BtnCopy_Click() {
    if (frmWaves->Visible()) {
        copyAlarmSound();
        return;
    }
    velox::win::trappedReporting([this] { installProgram(); },
                                 [](const RuntimeError& error) {
                                     if (error.number() == err::DiskNotReady) {
                                         showInsertCd();
                                     }
                                 });
}

void VeloxCDMainFormFalcon::lstPrograms_DblClick() {
    velox::win::trapped([this] { installProgram(); });
}

void VeloxCDMainFormFalcon::installProgram() {
    if (packageFile.isEmpty()) {
        return;
    }
    // The installer's path is quoted so that a program folder with blanks works.
    const QString command = QLatin1Char('"') + installerPath() + QStringLiteral("\" ") + cdDrive +
                            programFolder + packageFile;
    try {
        velox::win::Shell(command, velox::win::vbMinimizedFocus);
    } catch (const RuntimeError& error) {
        if (error.number() == err::DiskNotReady) {
            throw;
        }
        // A missing or broken installer is named; the program goes on.
        velox::win::MsgBox(texts.strInstallerMissing + installerPath());
    }
}

void VeloxCDMainFormFalcon::waveList_Click() {
    GaugeValue->setVisible(false);
    GaugeValue->setWidth(0);
    GaugeValue->setCaption(QString());
    gaugeMain->setVisible(false);
    velox::win::trappedReporting(
        [this] {
            const QString entry = waveList->FileName();
            velox::win::sndPlaySoundA(cdDrive + QStringLiteral("\\Wavs\\") + entry,
                                      velox::win::SND_ASYNC | velox::win::SND_NODEFAULT);
            lblFileInfo->setCaption(kilobytesText(velox::win::FileLen(handheldSoundPath(entry))));
        },
        [](const RuntimeError&) { showInsertCd(); });
}

void VeloxCDMainFormFalcon::scrVolume_Change() {
    const int position = scrVolume->Value();
    lblVolume->setCaption(position >= 0 && position < texts.volumeNames.size()
                              ? texts.volumeNames[position]
                              : QString());
}

void VeloxCDMainFormFalcon::scrRepeat_Change() {
    lblRepeat->setCaption(QString::number(scrRepeat->Value()));
}

void VeloxCDMainFormFalcon::setWave(const QString& path) {
    const QString upper = path.left(path.size() - velox::win::lastName(path).size()) +
                          velox::win::lastName(path).toUpper();
    QFile file(velox::win::existingFile(upper));
    if (!file.open(QIODevice::ReadWrite)) {
        velox::win::raiseError(err::PermissionDenied, path);
    }
    writeLittleEndian16(file, repeatOffset, static_cast<qint16>(scrRepeat->Value()));
    writeLittleEndian16(file, volumeOffset, static_cast<qint16>(2 * scrVolume->Value() + 1));
}

void VeloxCDMainFormFalcon::copyAlarmSound() {
    if (waveList->ListIndex() < 0) {
        return;
    }
    BtnCopy->setEnabled(false);
    bool started = false;
    velox::win::trappedReporting(
        [&] {
            const QString entry = waveList->FileName();
            const QString source = handheldSoundPath(entry);
            waveWorkPath = velox::win::appPath() + QStringLiteral("\\temp.wve");
            velox::win::FileCopy(source, waveWorkPath);
            setWave(waveWorkPath);
            alarmTarget_ = alarmFolder + entry.left(std::max<qsizetype>(0, entry.size() - 4));
            started = startLinkChain();
        },
        [](const RuntimeError& error) {
            if (error.number() == err::DiskNotReady) {
                showInsertCd();
            }
        });
    // A copy that could not start gives the button back at once.
    if (!started) {
        BtnCopy->setEnabled(true);
    }
}

// Asks the handheld to connect and whether the sound is there already; the
// answers come as events. False when the link refused a call, so that no
// answer will come.
bool VeloxCDMainFormFalcon::startLinkChain() {
    if (!linkAvailable()) {
        return false;
    }
    if (!Tandem->call(QStringLiteral("Connect"), {connectTimeoutMs}).succeeded()) {
        return false;
    }
    Tandem->call(QStringLiteral("CreateDirectory"), {linkHandheld, QString(alarmFolder)});
    if (!Tandem->call(QStringLiteral("GetFileInfo"), {linkHandheld, alarmTarget_})) {
        Tandem->call(QStringLiteral("Disconnect"));
        return false;
    }
    ++linkChainsRunning_;
    return true;
}

// Whether the link control and its engine exist. When one of them is missing
// the user is told which, once in the program's run.
bool VeloxCDMainFormFalcon::linkAvailable() {
    QString missing;
    if (!Tandem || !Tandem->created()) {
        missing = texts.strLinkControlMissing;
    } else if (linkInitCode_ && *linkInitCode_ < 0) {
        // Init answers with the failed creation of the engine (a negative
        // HRESULT), or with the engine's own code.
        missing = texts.strLinkEngineMissing;
    }
    if (missing.isEmpty()) {
        return true;
    }
    if (!linkMissingTold_) {
        linkMissingTold_ = true;
        velox::win::MsgBox(missing, velox::win::vbOKOnly);
    }
    return false;
}

// Starts the link control's engine, unless a copy still runs on the one it
// has: a new engine would drop that copy's answers.
void VeloxCDMainFormFalcon::initLink() {
    if (!Tandem || linkChainsRunning_ > 0) {
        return;
    }
    const LinkCallResult result = Tandem->call(QStringLiteral("Init"));
    linkInitCode_ = result ? std::optional<qint32>(result.code) : std::nullopt;
}

void VeloxCDMainFormFalcon::Tandem_OnConnect(qint32 error) {
    if (error == notConnected || error == notConnectedOther) {
        Connect_Velox prompt;
        velox::win::showModal(prompt);
    }
}

void VeloxCDMainFormFalcon::Tandem_OnGetFileInfo(qint32 error) {
    bool copy = error == fileNotFound;
    if (error == 0) {
        copy = velox::win::MsgBox(texts.strOverwrite, velox::win::vbYesNo,
                                  QStringLiteral("Velox CD")) == velox::win::vbYes;
    }
    if (copy) {
        GaugeValue->setVisible(true);
        GaugeValue->setWidth(0);
        GaugeValue->setCaption(QString());
        gaugeMain->setVisible(true);
        copy = Tandem
                   ->call(QStringLiteral("CopyFile"),
                          {linkPc, waveWorkPath, linkHandheld, alarmTarget_, copyFlags})
                   .succeeded();
    }
    // With a copy under way its answer is still to come.
    endLinkChain(!copy);
}

void VeloxCDMainFormFalcon::Tandem_OnCopyProgress(qint16 percent, bool& /*cancel*/) {
    const int clamped = std::clamp<int>(percent, 0, 100);
    GaugeValue->setWidth(static_cast<float>(clamped * gaugeTwipsPerPercent));
    if (percent == 100) {
        GaugeValue->setCaption(texts.strCopyDone);
    }
}

void VeloxCDMainFormFalcon::Tandem_OnCopyFile(qint32 error) {
    if (error == fileInUse) {
        Close_Recorder prompt;
        velox::win::showModal(prompt);
    }
    endLinkChain(true);
}

void VeloxCDMainFormFalcon::Tandem_OnDisconnect(qint32 /*error*/) {}

// Disconnects and gives the key back; `lastAnswer` when no further answer of
// this copy will come.
void VeloxCDMainFormFalcon::endLinkChain(bool lastAnswer) {
    if (lastAnswer) {
        linkChainsRunning_ = std::max(0, linkChainsRunning_ - 1);
    }
    Tandem->call(QStringLiteral("Disconnect"));
    BtnCopy->setEnabled(true);
}

} // namespace veloxcd
