#include "catalogue/start/Main.h"

#include "catalogue/start/Catalogue.h"
#include "catalogue/start/InterfaceTexts.h"
#include "catalogue/start/ProgramState.h"
#include "catalogue/start/Settings.h"
#include "platform/win/dialogs/MessageBox.h"
#include "platform/win/files/DirSearch.h"
#include "platform/win/files/Drives.h"
#include "platform/win/files/FileOps.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/runtime/ErrorRegimes.h"
#include "platform/win/runtime/ProgramEnd.h"

#include <QFile>
#include <vector>

namespace veloxcd {
namespace {

using velox::win::RuntimeError;
namespace err = velox::win::err;

constexpr unsigned systemDirBufferSize = 145;
constexpr int firstDriveIndex = 3; // D
constexpr int lastDriveIndex = 25; // Z
constexpr QLatin1String startupTitle("VELOX CD");
constexpr QLatin1String markerName("LanguageFalcon.gif");

QChar driveLetter(int index) {
    return QChar(65 + index);
}

bool isCdDrive(QChar letter) {
    const QByteArray root = QString(letter).toLatin1() + ":\\";
    return velox::win::GetDriveTypeA(root.constData()) == velox::win::DRIVE_CDROM;
}

QString systemDirectory() {
    std::vector<char> buffer(systemDirBufferSize, '\0');
    unsigned length = velox::win::GetSystemDirectoryA(buffer.data(), systemDirBufferSize);
    // A longer folder than the buffer holds: ask again with the size it needs
    // rather than taking a buffer of NULs for the folder.
    if (length >= systemDirBufferSize) {
        buffer.assign(length, '\0');
        length = velox::win::GetSystemDirectoryA(buffer.data(), length);
    }
    if (length == 0 || length >= buffer.size()) {
        velox::win::raiseError(err::PathNotFound, QStringLiteral("system folder"));
    }
    return QFile::decodeName(QByteArray(buffer.data(), static_cast<qsizetype>(length)));
}

void showErrorBox(const RuntimeError& error) {
    velox::win::MsgBox(QString::number(error.number()), velox::win::vbOKOnly,
                       QStringLiteral("Error"));
}

// Shows an insert-CD prompt: OK scans again, Cancel ends the program.
void askForCd(const QString& prompt) {
    if (velox::win::MsgBox(prompt, velox::win::vbOKCancel, QString(startupTitle)) ==
        velox::win::vbCancel) {
        velox::win::End();
    }
}

enum class ScanStep { Found, NextDrive, Rescan };

ScanStep probeDrive(QChar letter, int probed, int cdCount) {
    int code = 0;
    QString found;
    try {
        found = velox::win::Dir(QString(letter) + QStringLiteral(":\\Pictures\\") + markerName);
    } catch (const RuntimeError& error) {
        code = error.number();
    }
    if (found.compare(markerName, Qt::CaseInsensitive) == 0) {
        cdDrive = QString(letter) + QLatin1Char(':');
        return ScanStep::Found;
    }
    if (code == err::PathNotFound || cdCount == 1) {
        askForCd(texts.strInsertCd + QLatin1Char(' ') + letter + QStringLiteral(": !"));
        return ScanStep::Rescan;
    }
    if (code == err::BadFileNameOrNumber && probed == cdCount) {
        askForCd(texts.strInsertCdAny);
        return ScanStep::Rescan;
    }
    if (code == err::BadFileNameOrNumber || (cdCount > 1 && probed < cdCount)) {
        return ScanStep::NextDrive;
    }
    if (probed == cdCount) {
        askForCd(texts.strInsertCdAny);
        return ScanStep::Rescan;
    }
    return ScanStep::NextDrive;
}

} // namespace

QString catalogueSourcePath() {
    return velox::win::appPath() + QStringLiteral("\\veloxcd.db");
}

QString catalogueCopyPath() {
    return systemDir + QStringLiteral("\\aengdeu.dll");
}

int countCdDrives() {
    int count = 0;
    for (int index = firstDriveIndex; index <= lastDriveIndex; ++index) {
        if (isCdDrive(driveLetter(index))) {
            ++count;
        }
    }
    return count;
}

void findCatalogueCd(int cdCount) {
    bool rescan = true;
    while (rescan) {
        rescan = false;
        int probed = 0;
        for (int index = firstDriveIndex; index <= lastDriveIndex && !rescan; ++index) {
            const QChar letter = driveLetter(index);
            if (!isCdDrive(letter)) {
                continue;
            }
            ++probed;
            switch (probeDrive(letter, probed, cdCount)) {
            case ScanStep::Found:
                return;
            case ScanStep::Rescan:
                rescan = true;
                break;
            case ScanStep::NextDrive:
                break;
            }
        }
    }
}

bool Main(const std::function<void()>& showMainWindow) {
    // Nothing before the drive scan is expected to fail; when something does
    // (a system folder that cannot be made, say) it is reported as the scan's
    // unexpected failures are, and start-up ends.
    int cdCount = 0;
    const bool ready = velox::win::trappedReporting(
        [&cdCount] {
            systemDir = systemDirectory();
            readSettings();
            // A program folder that cannot be written (a read-only medium)
            // keeps the values just read; start-up goes on.
            velox::win::trapped(writeSettings);
            loadTexts();
            cdCount = countCdDrives();
        },
        showErrorBox);
    if (!ready) {
        return false;
    }
    try {
        findCatalogueCd(cdCount);
    } catch (const RuntimeError& error) {
        showErrorBox(error);
        return false;
    }

    // With the CD found a failing step is passed over (the catalogue queries
    // fail later); without any CD drive a failure ends start-up.
    const auto step = [](const auto& action) {
        if (!cdDrive.isEmpty()) {
            velox::win::trapped(action);
            return true;
        }
        return velox::win::trappedReporting(action, showErrorBox);
    };
    return step([] { velox::win::FileCopy(catalogueSourcePath(), catalogueCopyPath()); }) &&
           step([] { prepareCatalogueCopy(catalogueCopyPath()); }) && step(showMainWindow);
}

} // namespace veloxcd
