// The democd program as the build and the demo call it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int runDemoCd(const QStringList& arguments, QByteArray* errors = nullptr) {
    QProcess process;
    process.start(QStringLiteral(DEMOCD_PATH), arguments);
    if (!process.waitForFinished(120000)) {
        return -1;
    }
    if (errors) {
        *errors = process.readAllStandardError();
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

TEST(DemoCdTool, WritesTheCdFolders) {
    QTemporaryDir dir;
    ASSERT_EQ(runDemoCd({dir.path()}), 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Pictures/Falcon.gif"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Pictures/HauptschirmWren.gif"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Wavs/CHIME.WAV"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Wavs/CHIME"))));
}

TEST(DemoCdTool, WrongUseIsAnErrorWithTheUsage) {
    QByteArray errors;
    EXPECT_EQ(runDemoCd({}, &errors), 2);
    EXPECT_TRUE(errors.contains("usage"));
    EXPECT_EQ(runDemoCd({QStringLiteral("--window-pictures")}), 2);
    EXPECT_EQ(runDemoCd({QStringLiteral("--bogus"), QStringLiteral("x")}), 2);
}

TEST(DemoCdTool, AnOutputThatCannotBeMadeIsReported) {
    QTemporaryDir dir;
    // A file where the CD folder should be.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QByteArray errors;
    EXPECT_EQ(runDemoCd({blocked}, &errors), 1);
    EXPECT_TRUE(errors.contains("democd:")) << errors.constData();
}

} // namespace
