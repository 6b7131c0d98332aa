#include "platform/win/files/DirSearch.h"
#include "platform/win/files/WinPath.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/ErrorNumbers.h"
#include "support/ScopedPrefix.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace velox::win;
using velox::test::errorNumberOf;
using velox::test::writeFile;

namespace {

class CdPaths : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(cd.path(), "PICTURES/LanguageFalcon.GIF", "GIF89a");
        writeFile(cd.path(), "PICTURES/Wren.gif", "GIF89a");
        writeFile(cd.path(), "Programs/12/readme.TXT", "text");
        writeFile(cd.path(), "Programs/12/Notes.me", "text");
        writeFile(cd.path(), "Programs/12/readme", "text");
        writeFile(cd.path(), "Programs/12/b.kit", "kit");
        writeFile(cd.path(), "Programs/12/A.KIT", "kit");
        prefix.writeDrives("D: cdrom " + cd.path() + "\nE: cdrom " + cd.path() + "/missing\n");
    }

    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
};

} // namespace

TEST_F(CdPaths, DriveLetterPathsMapThroughTheTableWithoutRegardToCase) {
    const HostPath resolved = resolvePath(QStringLiteral("d:\\pictures\\languagefalcon.gif"));
    ASSERT_TRUE(resolved.ok());
    EXPECT_EQ(resolved.path, cd.path() + "/PICTURES/LanguageFalcon.GIF");
    // A name that matches nothing is kept as written, below the matched folders.
    EXPECT_EQ(resolvePath(QStringLiteral("D:\\programs\\12\\NEW.TXT")).path,
              cd.path() + "/Programs/12/NEW.TXT");
    EXPECT_EQ(resolvePath(QStringLiteral("E:\\x")).status, HostPath::Status::NoDisc);
    EXPECT_EQ(resolvePath(QStringLiteral("Q:\\x")).status, HostPath::Status::NoSuchDrive);
    EXPECT_EQ(errorNumberOf([] { hostPath(QStringLiteral("E:\\x")); }), err::DiskNotReady);
}

TEST_F(CdPaths, HostPathsWithBackslashesAndPathsWithoutDrive) {
    EXPECT_EQ(resolvePath(cd.path() + "\\programs\\12\\README.txt").path,
              cd.path() + "/Programs/12/readme.TXT");
    EXPECT_EQ(resolvePath(QStringLiteral("\\Pictures\\Wren.gif")).path,
              QString("/Pictures/Wren.gif"));
    EXPECT_EQ(resolvePath(QStringLiteral("D:\\Pictures\\wren.GIF")).path,
              cd.path() + "/PICTURES/Wren.gif");
    EXPECT_EQ(lastName(QStringLiteral("D:\\Pictures\\Wren.gif")), QString("Wren.gif"));
}

TEST_F(CdPaths, APathAsWrittenWinsAndDotsWorkEitherWay) {
    // Beside a name that differs only in case, the name as written.
    writeFile(cd.path(), "Programs/12/Readme", "other");
    EXPECT_EQ(resolvePath(QStringLiteral("D:\\Programs\\12\\Readme")).path,
              cd.path() + "/Programs/12/Readme");
    EXPECT_EQ(resolvePath(QStringLiteral("D:\\Programs\\12\\readme")).path,
              cd.path() + "/Programs/12/readme");
    // "." stays and ".." goes up, in a path as written and in one matched.
    EXPECT_EQ(resolvePath(QStringLiteral("D:\\Programs\\.\\12\\..\\12\\readme")).path,
              cd.path() + "/Programs/12/readme");
    EXPECT_EQ(resolvePath(QStringLiteral("D:\\programs\\.\\12\\..\\12\\README.TXT")).path,
              cd.path() + "/Programs/12/readme.TXT");
}

TEST_F(CdPaths, DirFindsTheFirstMatchInNameOrder) {
    EXPECT_EQ(Dir(QStringLiteral("D:\\Pictures\\LANGUAGEFALCON.gif")),
              QString("LanguageFalcon.GIF"));
    EXPECT_EQ(Dir(QStringLiteral("D:\\Programs\\12\\*.KIT")), QString("A.KIT"));
    EXPECT_EQ(Dir(QStringLiteral("D:\\Programs\\12\\*.zip")), QString());
    EXPECT_EQ(Dir(QStringLiteral("D:\\Programs\\12\\?otes.*")), QString("Notes.me"));
}

TEST_F(CdPaths, DirTellsAMissingDiscFromAMissingFolder) {
    EXPECT_EQ(errorNumberOf([] { Dir(QStringLiteral("E:\\Pictures\\LanguageFalcon.gif")); }),
              err::BadFileNameOrNumber);
    EXPECT_EQ(errorNumberOf([] { Dir(QStringLiteral("Q:\\Pictures\\LanguageFalcon.gif")); }),
              err::BadFileNameOrNumber);
    EXPECT_EQ(errorNumberOf([] { Dir(QStringLiteral("D:\\Bilder\\LanguageFalcon.gif")); }),
              err::PathNotFound);
    // A folder is not a file.
    EXPECT_EQ(Dir(QStringLiteral("D:\\Programs")), QString());
}

TEST_F(CdPaths, FileListsTakeSeveralPatternsWithoutRegardToCase) {
    EXPECT_EQ(dirList(QStringLiteral("D:\\Programs\\12\\"), QStringLiteral("*.TXT;*.ME")),
              QStringList({"Notes.me", "readme.TXT"}));
    EXPECT_TRUE(matchesPatterns(QStringLiteral("alarm.wav"), QStringLiteral("*.WAV")));
    EXPECT_FALSE(matchesPatterns(QStringLiteral("alarm"), QStringLiteral("*.WAV")));
    EXPECT_TRUE(matchesPatterns(QStringLiteral("alarm"), QStringLiteral("*.*")));
    EXPECT_FALSE(matchesPatterns(QStringLiteral("a.wav.bak"), QStringLiteral("*.wav")));
}

TEST(Wildcards, StarAndQuestionMarkOnlyWithoutRegardToCase) {
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"readme.txt", "README.TXT", true},
        {"readme.txt", "read*", true},
        {"readme.txt", "*me*", true},
        {"readme.txt", "r?adme.t?t", true},
        {"readme.txt", "readme.tx", false},
        {"readme.txt", "readme.txt?", false},
        {"abcabd", "*abd", true},
        {"abcab", "*abd", false},
        {"aaa", "a*a*a", true},
        {"aa", "a*a*a", false},
        {"", "*", true},
        {"", "?", false},
        {"x", "", false},
        {"a[1].txt", "a[1].txt", true},
        {"a1.txt", "a[1].txt", false},
        {"GRÜN.WAV", "grün.wav", true},
        {"noext", "*.*", true},
        {"semi;colon", "semi?colon", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchesPatterns(QString::fromUtf8(c.name), QString::fromUtf8(c.pattern)),
                  c.matches)
            << c.name << " against " << c.pattern;
    }
}
