// A file put in its target's place in one rename: what the target holds after
// a commit, after a failure and after no commit at all.
#include "platform/win/files/ReplacingFile.h"

#include "support/ScopedPrefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velox::win::ReplacingFile;

using velox::test::fileContents;
using velox::test::writeFile;

TEST(ReplacingFile, ACommitPutsTheWholeFileInPlaceAndKeepsThePermissions) {
    QTemporaryDir dir;
    const QString target = dir.filePath("aengdeu.dll");
    writeFile(dir.path(), "aengdeu.dll", "old copy");
    const auto kept = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(target, kept));

    const QByteArray big(3 << 20, 'v');
    ReplacingFile file(target);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write(big.left(1000)));
    ASSERT_TRUE(file.write(big.mid(1000)));
    EXPECT_EQ(fileContents(target), QByteArray("old copy")); // not before the commit
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(fileContents(target), big);
    const auto ownerGroupOther = QFileDevice::Permissions::fromInt(0x7077);
    EXPECT_EQ(QFile::permissions(target) & ownerGroupOther, kept & ownerGroupOther);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"aengdeu.dll"}));

    // A new file has the permissions any new file gets.
    writeFile(dir.path(), "plain", "x");
    ReplacingFile fresh(dir.filePath("fresh"));
    ASSERT_TRUE(fresh.open());
    ASSERT_TRUE(fresh.write("new"));
    ASSERT_TRUE(fresh.commit());
    EXPECT_EQ(fileContents(dir.filePath("fresh")), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(dir.filePath("fresh")), QFile::permissions(dir.filePath("plain")));
}

TEST(ReplacingFile, WithoutACommitOrWhenItFailsTheOldFileStaysAndNothingIsLeft) {
    QTemporaryDir dir;
    const QString target = dir.filePath("copy.wav");
    writeFile(dir.path(), "copy.wav", "old");
    {
        ReplacingFile file(target);
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half"));
    }
    EXPECT_EQ(fileContents(target), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"copy.wav"}));

    // A folder where the file should go: the rename fails, the folder stays.
    ASSERT_TRUE(QDir().mkpath(dir.filePath("folder/inside")));
    ReplacingFile overFolder(dir.filePath("folder"));
    ASSERT_TRUE(overFolder.open());
    ASSERT_TRUE(overFolder.write("x"));
    EXPECT_FALSE(overFolder.commit());
    EXPECT_EQ(overFolder.error(), QFileDevice::RenameError);
    EXPECT_TRUE(QFileInfo(dir.filePath("folder/inside")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"copy.wav"}));

    // No folder to write in.
    ReplacingFile nowhere(dir.filePath("gone/copy.wav"));
    EXPECT_FALSE(nowhere.open());
    EXPECT_EQ(nowhere.error(), QFileDevice::OpenError);
    EXPECT_FALSE(nowhere.write("x"));
    EXPECT_FALSE(nowhere.commit());
}

TEST(ReplacingFile, AFolderThatCannotBeWrittenIsAPermissionError) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("ro")));
    writeFile(dir.path(), "ro/old.db", "old");
    QFile::setPermissions(dir.filePath("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(dir.filePath("ro")).isWritable()) {
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    ReplacingFile file(dir.filePath("ro/old.db"));
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.error(), QFileDevice::PermissionsError);
    EXPECT_EQ(fileContents(dir.filePath("ro/old.db")), QByteArray("old"));
}
