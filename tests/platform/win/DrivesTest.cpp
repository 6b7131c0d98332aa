#include "platform/win/files/Drives.h"

#include "support/ScopedPrefix.h"

#include <gtest/gtest.h>

using namespace velox::win;

TEST(DriveTable, ReadsTypesRootsAndSkipsWhatItCannotRead) {
    const DriveTable table = DriveTable::parse(QStringLiteral("# drives of the test machine\n"
                                                              "d: cdrom /media/My Disc\n"
                                                              "E: fixed /srv\n"
                                                              "F: floppy /mnt/a\n"
                                                              "garbage\n"
                                                              "D: fixed /elsewhere\n"
                                                              "G: remote /net\n"));
    ASSERT_EQ(table.drives().size(), 3U);
    EXPECT_EQ(table.find(QChar('D'))->type, DRIVE_CDROM);
    EXPECT_EQ(table.find(QChar('d'))->root, QString("/media/My Disc"));
    EXPECT_EQ(table.find(QChar('E'))->type, DRIVE_FIXED);
    EXPECT_EQ(table.find(QChar('G'))->type, DRIVE_REMOTE);
    EXPECT_FALSE(table.find(QChar('F')));
}

TEST(DriveTable, ReadsBlanksAndTabsBetweenFieldsAndNeedsAllThree) {
    const DriveTable table =
        DriveTable::parse(QStringLiteral("  H:\tcdrom\t /media/with  blanks  \r\n"
                                         "I:cdrom /no-blank-after-colon\n"
                                         "J: cdrom\n"
                                         "KL: cdrom /two-letters\n"
                                         "1: cdrom /digit\n"
                                         "M: cdrom    /m\n"));
    ASSERT_EQ(table.drives().size(), 2U);
    EXPECT_EQ(table.find(QChar('H'))->root, QString("/media/with  blanks"));
    EXPECT_EQ(table.find(QChar('M'))->root, QString("/m"));
}

TEST(DriveTable, DetectsOpticalDrivesInOrderFromD) {
    const QString mounts = QStringLiteral("/dev/vda / ext4 rw 0 0\n"
                                          "/dev/sr1 /media/cd\\040two iso9660 ro 0 0\n"
                                          "/home/u/disc.iso /mnt/image udf ro 0 0\n");
    const DriveTable table =
        DriveTable::detect(mounts, {QStringLiteral("/dev/sr0"), QStringLiteral("/dev/sr1")});
    ASSERT_EQ(table.drives().size(), 3U);
    EXPECT_EQ(table.find(QChar('D'))->root, QString()); // sr0: no disc
    EXPECT_EQ(table.find(QChar('E'))->root, QString("/media/cd two"));
    EXPECT_EQ(table.find(QChar('F'))->root, QString("/mnt/image"));
    EXPECT_EQ(table.find(QChar('F'))->type, DRIVE_CDROM);
}

TEST(DriveTable, DriveTypeQueryUsesThePrefixTable) {
    velox::test::ScopedPrefix prefix;
    prefix.writeDrives(QStringLiteral("E: cdrom /nowhere\nH: removable /tmp\n"));
    EXPECT_EQ(GetDriveTypeA("E:\\"), DRIVE_CDROM);
    EXPECT_EQ(GetDriveTypeA("h:\\"), DRIVE_REMOVABLE);
    EXPECT_EQ(GetDriveTypeA("D:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDriveTypeA(""), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDriveTypeA(nullptr), DRIVE_NO_ROOT_DIR);
}
