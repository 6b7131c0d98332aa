// What the launcher leaves in a user's prefix: the drive table it edits and
// the program folder it lays out.
#include "support/ScopedPrefix.h"
#include "tools/launcher/DriveTableFile.h"
#include "tools/launcher/UserProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using velox::test::fileContents;
using velox::test::writeFile;

TEST(DriveTableFile, TheCdBecomesDriveDAndTheOtherDrivesStay) {
    const velox::test::ScopedPrefix prefix;
    const QTemporaryDir cd;
    prefix.writeDrives("# my drives\nE: cdrom /media/cdrom\nd: fixed /old\n");

    QString error;
    ASSERT_TRUE(velox::launcher::setCdDrive(cd.path(), &error)) << error.toStdString();
    EXPECT_EQ(fileContents(prefix.path() + "/drives"),
              "D: cdrom " + cd.path().toUtf8() + "\n# my drives\nE: cdrom /media/cdrom\n");

    // A folder that is not there changes nothing.
    const QByteArray before = fileContents(prefix.path() + "/drives");
    EXPECT_FALSE(velox::launcher::setCdDrive(cd.path() + "/missing", &error));
    EXPECT_TRUE(error.contains("is not a folder"));
    EXPECT_EQ(fileContents(prefix.path() + "/drives"), before);
}

TEST(UserProgramFolder, LinksFollowTheInstallationAndTheUsersOwnFilesStay) {
    const QTemporaryDir trees;
    const QTemporaryDir user;
    const auto treeAt = [&trees](const QString& name) {
        const velox::launcher::InstalledTree tree{trees.filePath(name + "/lib/veloxcd"),
                                                  trees.filePath(name + "/share/veloxcd")};
        writeFile(tree.dataDir, "veloxcd.db", "catalogue of " + name.toUtf8());
        writeFile(tree.programDir, "korainst.exe", "installer of " + name.toUtf8());
        return tree;
    };
    const auto old = treeAt("old");
    const auto upgraded = treeAt("new");
    const QString folder = user.filePath("program");
    QString error;

    ASSERT_TRUE(velox::launcher::layOutProgramFolder(folder, old, &error)) << error.toStdString();
    EXPECT_EQ(fileContents(folder + "/veloxcd.db"), "catalogue of old");
    writeFile(folder, "setting.txt", "Language: 2\r\nMachine: 2\r\n");

    ASSERT_TRUE(velox::launcher::layOutProgramFolder(folder, upgraded, &error));
    EXPECT_EQ(fileContents(folder + "/veloxcd.db"), "catalogue of new");
    EXPECT_EQ(fileContents(folder + "/korainst.exe"), "installer of new");
    EXPECT_EQ(fileContents(folder + "/setting.txt"), "Language: 2\r\nMachine: 2\r\n");

    // Another CD's catalogue put in place of the link is the user's own.
    QFile::remove(folder + "/veloxcd.db");
    writeFile(folder, "veloxcd.db", "catalogue of another CD");
    ASSERT_TRUE(velox::launcher::layOutProgramFolder(folder, upgraded, &error));
    EXPECT_EQ(fileContents(folder + "/veloxcd.db"), "catalogue of another CD");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::System).size(), 3);
}
