#include "tools/democd/AlarmSounds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace velox::democd {
namespace {

quint16 le16(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

quint32 le32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

TEST(AlarmSounds, EightShortSoftTones) {
    ASSERT_EQ(alarmSoundNames().size(), 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(alarmSoundNames()[i].toStdString());
        const auto samples = synthesiseAlarm(i);
        const double seconds = static_cast<double>(samples.size()) / alarmSampleRate;
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 1.0);
        int peak = 0;
        for (std::int16_t sample : samples) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 30000) << "clipped";
        // A soft envelope: no click at the start or the end.
        EXPECT_LT(std::abs(samples.front()), 200);
        EXPECT_LT(std::abs(samples.back()), 400);
    }
}

TEST(AlarmSounds, TheWaveFileIsPcm16Mono) {
    const auto samples = synthesiseAlarm(0);
    const QByteArray wave = waveFile(samples);
    ASSERT_EQ(wave.size(), 44 + static_cast<qsizetype>(samples.size()) * 2);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(le32(wave, 4), static_cast<quint32>(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(le16(wave, 20), 1); // PCM
    EXPECT_EQ(le16(wave, 22), 1); // mono
    EXPECT_EQ(le32(wave, 24), static_cast<quint32>(alarmSampleRate));
    EXPECT_EQ(le16(wave, 34), 16); // bits
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(le32(wave, 40), static_cast<quint32>(samples.size() * 2));
    EXPECT_EQ(static_cast<std::int16_t>(le16(wave, 44 + 200)), samples[100]);
}

TEST(AlarmSounds, TheHandheldFileCarriesRepeatAndVolumeWhereTheCatalogueWritesThem) {
    const auto samples = synthesiseAlarm(3);
    const QByteArray handheld = handheldSoundFile(QStringLiteral("MARIMBA"), samples);
    ASSERT_GE(handheld.size(), 64);
    EXPECT_EQ(le16(handheld, 60), 1); // repeat count
    EXPECT_EQ(le16(handheld, 62), 3); // volume code of the middle level
    EXPECT_EQ(handheld.mid(handheldHeaderSize), waveFile(samples).mid(44));
}

TEST(AlarmSounds, WritesBothFormsOfEverySound) {
    QTemporaryDir dir;
    writeAlarmSounds(dir.path());
    QStringList expected;
    for (const QString& name : alarmSoundNames()) {
        expected << name << name + QStringLiteral(".WAV");
    }
    expected.sort();
    QStringList written = QDir(dir.path()).entryList(QDir::Files);
    written.sort();
    EXPECT_EQ(written, expected);
}

} // namespace
} // namespace velox::democd
