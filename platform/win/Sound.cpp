#include "platform/win/Sound.h"

#include "platform/win/SoundModule.h"
#include "platform/win/WinPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace velox::win {
namespace {

const char* const moduleFile = "libvelox-sound.so";

SoundSeam*& installedSeam() {
    static SoundSeam* seam = nullptr;
    return seam;
}

struct LoadedModule {
    SoundSeam* player = nullptr;
    QString error;
};

// Loaded once and kept for the rest of the run: the player's effect belongs
// to the application and may still be playing at its end.
LoadedModule loadModule() {
    QStringList places;
    if (QCoreApplication::instance() != nullptr) {
        places << QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(moduleFile));
    }
    places << QStringLiteral(VELOX_SOUND_MODULE);
    QStringList reasons;
    for (const QString& place : places) {
        if (!QFileInfo::exists(place)) {
            reasons << place + QStringLiteral(": not found");
            continue;
        }
        QLibrary module(place);
        const auto create =
            reinterpret_cast<CreateSoundPlayer>(module.resolve(createSoundPlayerSymbol));
        if (create == nullptr) {
            reasons << module.errorString();
            continue;
        }
        SoundSeam* player = create();
        if (player != nullptr) {
            return {player, {}};
        }
        reasons << place + QStringLiteral(": made no player");
    }
    return {nullptr, QStringLiteral("no sound module: ") + reasons.join(QStringLiteral("; "))};
}

const LoadedModule& loadedModule() {
    static const LoadedModule module = loadModule();
    return module;
}

} // namespace

SoundSeam* soundModulePlayer() {
    return loadedModule().player;
}

QString soundModuleError() {
    return loadedModule().error;
}

bool sndPlaySoundA(const QString& soundName, unsigned flags) {
    const HostPath resolved = resolvePath(soundName);
    if (!resolved.ok() || !QFileInfo(resolved.path).isFile()) {
        return false;
    }
    SoundSeam* seam = installedSeam() != nullptr ? installedSeam() : soundModulePlayer();
    return seam != nullptr && seam->play(resolved.path, flags);
}

void setSoundSeam(SoundSeam* seam) {
    installedSeam() = seam;
}

RecordingSounds::RecordingSounds() {
    setSoundSeam(this);
}

RecordingSounds::~RecordingSounds() {
    setSoundSeam(nullptr);
}

bool RecordingSounds::play(const QString& hostFile, unsigned flags) {
    played_.push_back({hostFile, flags});
    return true;
}

} // namespace velox::win
