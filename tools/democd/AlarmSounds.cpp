#include "tools/democd/AlarmSounds.h"

#include <QDir>
#include <QSaveFile>
#include <QtEndian>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace velox::democd {
namespace {

struct Note {
    double frequency; // Hz
    double seconds;
};

struct Tune {
    const char* name;
    std::array<Note, 4> notes; // a note of 0 seconds ends the tune early
    double brightness;         // share of the upper partials
};

// Pleasant short motifs, each under a second.
constexpr std::array<Tune, 8> tunes = {{
    {"CHIME", {{{1046.5, 0.22}, {1318.5, 0.22}, {1568.0, 0.40}, {0, 0}}}, 0.25},
    {"DAWN", {{{523.3, 0.20}, {659.3, 0.20}, {784.0, 0.20}, {1046.5, 0.30}}}, 0.15},
    {"CUCKOO", {{{784.0, 0.25}, {622.3, 0.45}, {0, 0}, {0, 0}}}, 0.05},
    {"MARIMBA", {{{880.0, 0.15}, {1108.7, 0.15}, {1318.5, 0.15}, {1760.0, 0.35}}}, 0.35},
    {"BELL", {{{1396.9, 0.80}, {0, 0}, {0, 0}, {0, 0}}}, 0.45},
    {"RIPPLE", {{{1568.0, 0.12}, {1318.5, 0.12}, {1174.7, 0.12}, {1046.5, 0.40}}}, 0.20},
    {"FANFARE", {{{392.0, 0.18}, {523.3, 0.18}, {659.3, 0.18}, {784.0, 0.36}}}, 0.50},
    {"HARP", {{{587.3, 0.20}, {740.0, 0.20}, {880.0, 0.20}, {1174.7, 0.30}}}, 0.30},
}};

void putLe16(QByteArray& bytes, int offset, std::uint16_t value) {
    qToLittleEndian(value, bytes.data() + offset);
}

void putLe32(QByteArray& bytes, int offset, std::uint32_t value) {
    qToLittleEndian(value, bytes.data() + offset);
}

QByteArray sampleBytes(const std::vector<std::int16_t>& samples) {
    QByteArray bytes(static_cast<qsizetype>(samples.size() * 2), '\0');
    for (std::size_t i = 0; i < samples.size(); ++i) {
        qToLittleEndian(samples[i], bytes.data() + 2 * i);
    }
    return bytes;
}

void save(const QString& path, const QByteArray& contents) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit()) {
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
    }
}

} // namespace

QStringList alarmSoundNames() {
    QStringList names;
    for (const Tune& tune : tunes) {
        names.append(QString::fromLatin1(tune.name));
    }
    return names;
}

std::vector<std::int16_t> synthesiseAlarm(int index) {
    const Tune& tune = tunes.at(static_cast<std::size_t>(index));
    std::vector<std::int16_t> samples;
    constexpr double attack = 0.008;
    constexpr double peak = 0.6 * 32767;
    for (const Note& note : tune.notes) {
        if (note.seconds <= 0) {
            break;
        }
        const int count = static_cast<int>(note.seconds * alarmSampleRate);
        for (int n = 0; n < count; ++n) {
            const double t = static_cast<double>(n) / alarmSampleRate;
            // Soft attack, bell-like exponential decay, and a short fade at the note's end.
            const double rise = std::min(1.0, t / attack);
            const double fall = std::exp(-t * 5.0 / note.seconds);
            const double release = std::min(1.0, (note.seconds - t) / 0.01);
            const double phase = 2 * std::numbers::pi * note.frequency * t;
            const double tone = (1 - tune.brightness) * std::sin(phase) +
                                tune.brightness * 0.6 * std::sin(2 * phase) +
                                tune.brightness * 0.4 * std::sin(3 * phase);
            samples.push_back(static_cast<std::int16_t>(peak * rise * fall * release * tone));
        }
    }
    return samples;
}

QByteArray waveFile(const std::vector<std::int16_t>& samples) {
    const QByteArray data = sampleBytes(samples);
    QByteArray header(44, '\0');
    header.replace(0, 4, "RIFF");
    putLe32(header, 4, static_cast<std::uint32_t>(36 + data.size()));
    header.replace(8, 8, "WAVEfmt ");
    putLe32(header, 16, 16);                  // format chunk size
    putLe16(header, 20, 1);                   // PCM
    putLe16(header, 22, 1);                   // mono
    putLe32(header, 24, alarmSampleRate);     // samples per second
    putLe32(header, 28, alarmSampleRate * 2); // bytes per second
    putLe16(header, 32, 2);                   // block align
    putLe16(header, 34, 16);                  // bits per sample
    header.replace(36, 4, "data");
    putLe32(header, 40, static_cast<std::uint32_t>(data.size()));
    return header + data;
}

QByteArray handheldSoundFile(const QString& name, const std::vector<std::int16_t>& samples) {
    const QByteArray data = sampleBytes(samples);
    QByteArray header(handheldHeaderSize, '\0');
    header.replace(0, 8, QByteArray("VXALARM\x1a", 8));
    putLe32(header, 8, alarmSampleRate);
    putLe16(header, 12, 16); // bits per sample
    putLe16(header, 14, 1);  // channels
    putLe32(header, 16, static_cast<std::uint32_t>(data.size()));
    const QByteArray title = name.toLatin1().left(31);
    header.replace(20, title.size(), title);
    putLe16(header, handheldRepeatOffset, 1);
    putLe16(header, handheldVolumeOffset, 3);
    return header + data;
}

void writeAlarmSounds(const QString& wavDir) {
    const QDir dir(wavDir);
    const QStringList names = alarmSoundNames();
    for (int i = 0; i < names.size(); ++i) {
        const auto samples = synthesiseAlarm(i);
        save(dir.filePath(names[i] + QStringLiteral(".WAV")), waveFile(samples));
        save(dir.filePath(names[i]), handheldSoundFile(names[i], samples));
    }
}

} // namespace velox::democd
