// The two small text files a user or an old version may have left damaged:
// the program folder's setting.txt and the prefix's drive table. Each input is
// both. Reading must give a known language and model (or the defaults) and a
// table of distinct lettered drives of known types, and a path on any drive
// must resolve or raise the run-time error of a missing disc.
#include "FuzzPrefix.h"
#include "catalogue/start/ProgramState.h"
#include "catalogue/start/Settings.h"
#include "platform/registry/Prefix.h"
#include "platform/win/files/Drives.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/RuntimeError.h"

#include <QDir>
#include <QSet>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void checkSettings(const std::uint8_t* data, std::size_t size) {
    static const QString folder = [] {
        const QString program = QDir(velox::fuzz::fuzzPrefix()).filePath(QStringLiteral("program"));
        QDir().mkpath(program);
        velox::win::setAppPath(program);
        return program;
    }();
    velox::fuzz::writeFuzzFile(QDir(folder).filePath(QStringLiteral("setting.txt")),
                               reinterpret_cast<const char*>(data), size);
    veloxcd::readSettings();
    const qint16 language = veloxcd::language;
    const qint16 machine = veloxcd::machine;
    if ((language != 1 && language != 2) ||
        (machine != 1 && machine != 2 && machine != 4 && machine != 8)) {
        fail("the settings gave a language or model the program does not know");
    }
    // What was read is written back and reads the same.
    veloxcd::writeSettings();
    veloxcd::readSettings();
    if (veloxcd::language != language || veloxcd::machine != machine) {
        fail("the settings written do not read back");
    }
}

void checkDrives(const std::uint8_t* data, std::size_t size) {
    velox::fuzz::writeFuzzFile(velox::platform::prefixPath(QStringLiteral("drives")),
                               reinterpret_cast<const char*>(data), size);
    const auto table = velox::win::DriveTable::current();
    QSet<QChar> letters;
    for (const auto& drive : table.drives()) {
        if (drive.letter < QLatin1Char('A') || drive.letter > QLatin1Char('Z') ||
            letters.contains(drive.letter) || drive.type < velox::win::DRIVE_REMOVABLE ||
            drive.type > velox::win::DRIVE_RAMDISK) {
            fail("the drive table holds a drive it should not");
        }
        letters.insert(drive.letter);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char root[] = {letter, ':', '\\', '\0'};
        const unsigned type = velox::win::GetDriveTypeA(root);
        if (letters.contains(QLatin1Char(letter)) != (type != velox::win::DRIVE_NO_ROOT_DIR)) {
            fail("GetDriveTypeA does not answer as the table says");
        }
        try {
            static_cast<void>(velox::win::hostPath(QString::fromLatin1(root) +
                                                   QStringLiteral("Pictures\\Wren.gif")));
        } catch (const velox::win::RuntimeError&) {
            // A drive without a disc: error 71, as a user would see it.
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkSettings(data, size);
    checkDrives(data, size);
    return 0;
}
