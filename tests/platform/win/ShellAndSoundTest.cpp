#include "platform/win/runtime/RuntimeError.h"
#include "platform/win/shell/Shell.h"
#include "platform/win/sound/Sound.h"
#include "platform/win/sound/SoundModule.h"
#include "support/ScopedPrefix.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace velox::win;
using velox::test::writeFile;

TEST(CommandLines, SplitIntoProgramAndArgumentsWithQuotes) {
    struct Case {
        const char* line;
        const char* program;
        QStringList arguments;
    };
    const Case cases[] = {
        {"C:\\CATALOG\\korainst.exe D:\\Programs\\Tools\\tool.KIT",
         "C:\\CATALOG\\korainst.exe",
         {"D:\\Programs\\Tools\\tool.KIT"}},
        {"\"/opt/My Programs/korainst.exe\" D:\\a.KIT",
         "/opt/My Programs/korainst.exe",
         {"D:\\a.KIT"}},
        {"  prog   a  \"b c\" ", "prog", {"a", "b c"}},
        {"prog \"\"", "prog", {""}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        const CommandLine command = splitCommandLine(c.line);
        EXPECT_EQ(command.program, QString(c.program)) << c.line;
        EXPECT_EQ(command.arguments, c.arguments) << c.line;
    }
}

TEST(Shell, TheRecordingSeamSeesTheCommandAndStyle) {
    QTemporaryDir dir;
    writeFile(dir.path(), "korainst.exe", "#!/bin/sh\n");
    RecordingProcesses processes;
    Shell("\"" + dir.path() + "/korainst.exe\" D:\\Programs\\1\\a.KIT", vbMinimizedFocus);
    ASSERT_EQ(processes.started().size(), 1U);
    EXPECT_EQ(processes.started()[0].command.arguments, QStringList({"D:\\Programs\\1\\a.KIT"}));
    EXPECT_EQ(processes.started()[0].windowStyle, vbMinimizedFocus);
    try {
        Shell(dir.path() + "/missing.exe x");
        FAIL() << "a missing program must raise";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), err::FileNotFound);
    }
}

TEST(Shell, TheRealSeamStartsAProgramWithoutWaiting) {
    QTemporaryDir dir;
    const QString marker = dir.path() + "/ran";
    const QString script =
        writeFile(dir.path(), "My Installer/inst.sh",
                  "#!/bin/sh\nprintf '%s' \"$1\" > \"" + marker.toUtf8() + "\"\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    Shell("\"" + script + "\" D:\\a.KIT");
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(marker) && waited.elapsed() < 10000) {
        QThread::msleep(20);
    }
    QThread::msleep(50);
    QFile ran(marker);
    ASSERT_TRUE(ran.open(QIODevice::ReadOnly));
    EXPECT_EQ(ran.readAll().trimmed(), QByteArray("D:\\a.KIT"));

    const QString plain = writeFile(dir.path(), "notes.txt", "not a program");
    EXPECT_THROW(Shell(plain), RuntimeError);
}

TEST(Sound, PlaysExistingFilesByWindowsPathAndSkipsMissingOnes) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
    writeFile(cd.path(), "Wavs/CHIME.WAV", "RIFF");
    prefix.writeDrives("D: cdrom " + cd.path() + "\nE: cdrom " + cd.path() + "/none\n");
    RecordingSounds sounds;
    EXPECT_TRUE(sndPlaySoundA("D:\\Wavs\\chime.wav", SND_ASYNC | SND_NODEFAULT));
    EXPECT_FALSE(sndPlaySoundA("D:\\Wavs\\other.wav", SND_ASYNC | SND_NODEFAULT));
    EXPECT_FALSE(sndPlaySoundA("E:\\Wavs\\chime.wav", SND_ASYNC | SND_NODEFAULT));
    ASSERT_EQ(sounds.played().size(), 1U);
    EXPECT_EQ(sounds.played()[0].hostFile, cd.path() + "/Wavs/CHIME.WAV");
    EXPECT_EQ(sounds.played()[0].flags, 3U);
}

namespace {

bool multimediaLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// A wave file of a tenth of a second of silence: 8 kHz, 8 bits, mono.
QByteArray silentWave() {
    const int samples = 800;
    QByteArray wave;
    const auto le32 = [&wave](quint32 v) {
        for (int i = 0; i < 4; ++i) {
            wave.append(static_cast<char>((v >> (8 * i)) & 0xFF));
        }
    };
    const auto le16 = [&wave](quint16 v) {
        wave.append(static_cast<char>(v & 0xFF));
        wave.append(static_cast<char>(v >> 8));
    };
    wave.append("RIFF");
    le32(36 + samples);
    wave.append("WAVEfmt ");
    le32(16);
    le16(1);
    le16(1);
    le32(8000);
    le32(8000);
    le16(1);
    le16(8);
    wave.append("data");
    le32(samples);
    wave.append(QByteArray(samples, static_cast<char>(0x80)));
    return wave;
}

} // namespace

// The multimedia libraries come with the sound module at the first sound, not
// with the program: no other test here plays through the real player.
TEST(Sound, RealPlayerComesFromTheSoundModuleAtTheFirstSound) {
    EXPECT_FALSE(multimediaLoaded());
    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
    writeFile(cd.path(), "Wavs/QUIET.WAV", silentWave());
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
    EXPECT_TRUE(sndPlaySoundA("D:\\Wavs\\quiet.wav", SND_ASYNC | SND_NODEFAULT))
        << qPrintable(soundModuleError());
    EXPECT_NE(soundModulePlayer(), nullptr);
    EXPECT_TRUE(soundModuleError().isEmpty()) << qPrintable(soundModuleError());
    EXPECT_TRUE(multimediaLoaded());
    // A second sound stops the first one and plays.
    EXPECT_TRUE(sndPlaySoundA("D:\\Wavs\\QUIET.WAV", SND_ASYNC | SND_NODEFAULT));
}
