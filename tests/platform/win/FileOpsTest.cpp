#include "platform/win/files/FileOps.h"

#include "platform/win/files/SystemFolders.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/ErrorNumbers.h"
#include "support/ScopedPrefix.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velox::win;
using velox::test::errorNumberOf;
using velox::test::writeFile;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(FileOps, CopyReplacesTheTargetAndReportsWhatIsMissing) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir dir;
    const QString source = writeFile(dir.path(), "veloxcd.db", QByteArray(200000, 'x'));
    const QString target = writeFile(dir.path(), "system/aengdeu.dll", "old copy");
    prefix.writeDrives("D: cdrom " + dir.path() + "/no-disc\n");

    FileCopy(source, dir.path() + "\\SYSTEM\\aengdeu.dll");
    EXPECT_EQ(contents(target), QByteArray(200000, 'x'));

    EXPECT_EQ(errorNumberOf([&] { FileCopy(dir.path() + "/none.db", target); }), err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { FileCopy(dir.path() + "/gone/none.db", target); }),
              err::PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { FileCopy(source, dir.path() + "/gone/x.db"); }),
              err::PathNotFound);
    EXPECT_EQ(errorNumberOf([&] { FileCopy(QStringLiteral("D:\\veloxcd.db"), target); }),
              err::DiskNotReady);
    // Nothing half-written is left beside the target.
    EXPECT_EQ(QDir(dir.path() + "/system").entryList(QDir::Files), QStringList({"aengdeu.dll"}));
}

TEST(FileOps, CopyIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString source = writeFile(dir.path(), "new.db", "new");
    const QString target = writeFile(dir.path(), "ro/old.db", "old");
    QFile::setPermissions(dir.path() + "/ro", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(dir.path() + "/ro").isWritable()) {
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    EXPECT_NE(errorNumberOf([&] { FileCopy(source, target); }), 0);
    EXPECT_EQ(contents(target), QByteArray("old"));
}

TEST(FileOps, AttributesLengthAndDelete) {
    QTemporaryDir dir;
    const QString file = writeFile(dir.path(), "copy.dll", QByteArray(1234, 'a'));
    QFile::setPermissions(file, QFileDevice::ReadOwner);
    setAttrNormal(file);
    EXPECT_TRUE(QFile::permissions(file) & QFileDevice::WriteOwner);
    EXPECT_EQ(FileLen(file), 1234);
    Kill(file);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(errorNumberOf([&] { Kill(file); }), err::FileNotFound);
    EXPECT_EQ(errorNumberOf([&] { FileLen(file); }), err::FileNotFound);
}

TEST(FileOps, PicturesLoadOrRaiseTheirNumbers) {
    QTemporaryDir dir;
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(dir.path() + "/Wren.png"));
    writeFile(dir.path(), "broken.gif", "not a picture");

    EXPECT_EQ(LoadPicture(dir.path() + "\\WREN.PNG").size(), QSize(4, 3));
    EXPECT_TRUE(LoadPicture(QString()).isNull());
    EXPECT_EQ(errorNumberOf([&] { LoadPicture(dir.path() + "/broken.gif"); }), err::InvalidPicture);
    EXPECT_EQ(errorNumberOf([&] { LoadPicture(dir.path() + "/none.gif"); }), err::FileNotFound);
}

TEST(SystemFolders, SystemDirectoryIsInThePrefixAndHonoursTheBufferSize) {
    velox::test::ScopedPrefix prefix;
    char buffer[512] = {};
    const unsigned length = GetSystemDirectoryA(buffer, sizeof buffer);
    EXPECT_EQ(QString::fromLocal8Bit(buffer, length), prefix.path() + "/system");
    EXPECT_TRUE(QDir(prefix.path() + "/system").exists());

    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(GetSystemDirectoryA(small, sizeof small), length + 1);
    EXPECT_EQ(small[0], 'x');
}

TEST(SystemFolders, ProgramFolderCanBeSetAndRestored) {
    const QString real = appPath();
    EXPECT_FALSE(real.isEmpty());
    setAppPath(QStringLiteral("/opt/velox/"));
    EXPECT_EQ(appPath(), QString("/opt/velox"));
    setAppPath(QString());
    EXPECT_EQ(appPath(), real);
}

TEST(SystemFolders, ProgramFolderFromTheLauncherYieldsToOneSetByATool) {
    const QString real = appPath();
    qputenv("VELOX_PROGRAM_FOLDER", "/home/ann/.local/share/veloxcd/program/");
    EXPECT_EQ(appPath(), QString("/home/ann/.local/share/veloxcd/program"));
    setAppPath(QStringLiteral("/opt/velox"));
    EXPECT_EQ(appPath(), QString("/opt/velox"));
    setAppPath(QString());
    qunsetenv("VELOX_PROGRAM_FOLDER");
    EXPECT_EQ(appPath(), real);
}
