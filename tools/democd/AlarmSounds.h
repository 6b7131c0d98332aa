#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace velox::democd {

// The sample rate of the alarm sounds (16-bit mono).
inline constexpr int alarmSampleRate = 22050;

// In the handheld's sound file: the repeat count and the volume code, both
// 16-bit little-endian, at these byte offsets; the samples follow the header.
inline constexpr int handheldRepeatOffset = 60;
inline constexpr int handheldVolumeOffset = 62;
inline constexpr int handheldHeaderSize = 64;

// The names of the eight alarm sounds (each is NAME.WAV and NAME on the CD).
QStringList alarmSoundNames();

// The samples of one alarm sound: a short tune with a soft attack and decay.
std::vector<std::int16_t> synthesiseAlarm(int index);

// A Windows wave file (RIFF, PCM, 16-bit mono) holding the samples.
QByteArray waveFile(const std::vector<std::int16_t>& samples);

// The handheld's form of the sound: a 64-byte header (repeat count 1,
// volume code 3) followed by the samples.
QByteArray handheldSoundFile(const QString& name, const std::vector<std::int16_t>& samples);

// Writes every sound in both forms into `wavDir`.
void writeAlarmSounds(const QString& wavDir);

} // namespace velox::democd
