#pragma once

#include "platform/win/sound/Sound.h"

// The program plays sounds through Qt Multimedia, which brings in the audio
// system's libraries: a large share of what a program loads at its start. So
// the player lives in a module of its own, "libvelox-sound.so", loaded the first
// time a sound is played; a program that plays nothing never loads it.

namespace velox::win {

// The module's one entry point: makes the player. The caller owns it.
using CreateSoundPlayer = SoundSeam* (*)();
inline constexpr const char* createSoundPlayerSymbol = "veloxCreateSoundPlayer";

// The player from the module, loaded on first use: from the program's own
// folder, else from where the build put it. Null (and no sound) when the
// module cannot be loaded; `soundModuleError` then says why.
SoundSeam* soundModulePlayer();
QString soundModuleError();

} // namespace velox::win
