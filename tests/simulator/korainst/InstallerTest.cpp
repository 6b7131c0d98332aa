#include "support/ScopedPrefix.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velox::test::writeFile;

namespace {

int runInstaller(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(KORAINST_PATH), arguments);
    if (!process.waitForFinished(30000)) {
        return -1;
    }
    return process.exitCode();
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(Installer, CopiesThePackageFromTheCdToTheHandheldAndLogsIt) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
    writeFile(cd.path(), "Programs/Tools/TOOL.KIT", QByteArray(3000, 'k'));
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");

    EXPECT_EQ(runInstaller({"D:\\programs\\tools\\tool.kit"}), 0);
    EXPECT_EQ(read(prefix.path() + "/handheld/C/Install/TOOL.KIT"), QByteArray(3000, 'k'));
    const QByteArray log = read(prefix.path() + "/handheld/installer.log");
    EXPECT_TRUE(log.contains("korainst.exe D:\\programs\\tools\\tool.kit -> installed"))
        << log.constData();
}

TEST(Installer, AMissingPackageIsLoggedAndFails) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
    EXPECT_EQ(runInstaller({"D:\\Programs\\none.KIT"}), 1);
    EXPECT_EQ(runInstaller({}), 2);
    const QByteArray log = read(prefix.path() + "/handheld/installer.log");
    EXPECT_TRUE(log.contains("failed")) << log.constData();
    EXPECT_TRUE(log.contains("refused")) << log.constData();
    EXPECT_FALSE(QDir(prefix.path() + "/handheld/C/Install").exists() &&
                 !QDir(prefix.path() + "/handheld/C/Install").isEmpty());
}
