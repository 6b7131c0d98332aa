#include "platform/win/sound/Sound.h"

#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/Modules.h"
#include "platform/win/sound/SoundModule.h"

#include <QFileInfo>

namespace velox::win {
namespace {

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
    LoadedModule loaded;
    const auto create = reinterpret_cast<CreateSoundPlayer>(moduleEntry(
        "libvelox-sound.so", VELOX_SOUND_MODULE, createSoundPlayerSymbol, &loaded.error));
    if (create != nullptr) {
        loaded.player = create();
        if (loaded.player == nullptr) {
            loaded.error = QStringLiteral("the sound module made no player");
        }
    }
    return loaded;
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
