#include "catalogue/start/Settings.h"

#include "catalogue/start/ProgramState.h"
#include "platform/win/files/SystemFolders.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/ScopedPrefix.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace veloxcd;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        resetProgramState();
        velox::win::setAppPath(folder.path());
    }
    void TearDown() override { velox::win::setAppPath(QString()); }

    void write(const QByteArray& text) const {
        velox::test::writeFile(folder.path(), "setting.txt", text);
    }
    [[nodiscard]] QByteArray read() const {
        QFile file(folder.path() + "/setting.txt");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir folder;
};

struct Case {
    const char* text;
    int language;
    int machine;
};

} // namespace

TEST_F(SettingsFile, ReadsByPositionAndFallsBackToTheDefaults) {
    const Case cases[] = {
        {"Language: 2\r\nMachine: 8\r\n", 2, 8},
        {"Language: 1\r\nMachine: 1\r\n", 1, 1},
        {"Language: 2\r\nMachine: 2\r\n", 2, 2},
        {"Language: 1\r\nMachine: 16\r\n", 1, 4},
        {"Language: 1\r\nMachine: 3\r\n", 1, 4},
        {"Language: 1\r\nMachine: 4\r\n", 1, 4},
        {"Language: 2.9\r\nMachine: 1.5\r\n", 2, 1},
        {"Machine: 2\r\nLanguage: 1\r\n", 2, 1}, // the lines swapped: position decides
        {"Language: 3\r\nMachine: 0\r\n", 1, 4},
        {"Language 2\r\nMachine 8\r\n", 1, 4},      // no colon
        {"Language: two\r\nMachine: x8\r\n", 1, 4}, // no number
        {"Language: 2\r\n", 2, 4},                  // no second line
        {"Language: 2:5\r\nMachine:8:1\r\n", 2, 8}, // the text between the first two colons
        {"Language:   2 words\nMachine: 8", 2, 8},  // LF only, text after the number
        {"Language: 2, Machine: 8\r\nMachine: 1\r\n", 2, 8}, // a comma ends the first item
        {"", 1, 4},
    };
    for (const Case& c : cases) {
        write(c.text);
        readSettings();
        EXPECT_EQ(language, c.language) << c.text;
        EXPECT_EQ(machine, c.machine) << c.text;
    }
}

TEST_F(SettingsFile, NoFileGivesTheDefaultsAndWritingGivesTwoCrLfLines) {
    readSettings();
    EXPECT_EQ(language, 1);
    EXPECT_EQ(machine, 4);
    writeSettings();
    EXPECT_EQ(read(), QByteArray("Language: 1\r\nMachine: 4\r\n"));

    language = 2;
    machine = 8;
    writeSettings();
    EXPECT_EQ(read(), QByteArray("Language: 2\r\nMachine: 8\r\n"));
    language = 0;
    machine = 0;
    readSettings();
    EXPECT_EQ(language, 2);
    EXPECT_EQ(machine, 8);
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenRaisesAndStaysAsItWas) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("setting.txt"));
    language = 2;
    machine = 1;
    EXPECT_THROW(writeSettings(), velox::win::RuntimeError);
    readSettings(); // a folder in the file's place reads as no file
    EXPECT_EQ(language, 1);
    EXPECT_EQ(machine, 4);
}

// Start-up writes the settings back each time; a file that already holds them
// stays the same file, and one that differs in any byte is replaced.
TEST_F(SettingsFile, AFileThatAlreadySaysSoIsLeftAlone) {
    const auto inode = [this] {
        struct stat info {};
        return ::stat(QFile::encodeName(folder.path() + "/setting.txt").constData(), &info) == 0
                   ? info.st_ino
                   : ino_t{0};
    };
    write("Language: 2\r\nMachine: 8\r\n");
    const ino_t before = inode();
    language = 2;
    machine = 8;
    writeSettings();
    EXPECT_EQ(inode(), before);
    for (const QByteArray& other :
         {QByteArray("Language: 2\nMachine: 8\n"), QByteArray("Language: 2\r\nMachine: 8\r\n\r\n"),
          QByteArray("Language: 1\r\nMachine: 8\r\n")}) {
        write(other);
        writeSettings();
        EXPECT_EQ(read(), QByteArray("Language: 2\r\nMachine: 8\r\n")) << other.toStdString();
    }
}

TEST(SettingValue, TakesTheWholeNumberBetweenTheFirstTwoColons) {
    EXPECT_EQ(settingValue(" : 2"), 2);
    EXPECT_EQ(settingValue("x:-2.9"), -2);
    EXPECT_EQ(settingValue("x: .5"), 0);
    EXPECT_EQ(settingValue("x:"), std::nullopt);
    EXPECT_EQ(settingValue("x: 99999999999999999999"), std::nullopt);
    EXPECT_EQ(settingValue("x:+3"), 3);
    EXPECT_EQ(settingValue("x:\t 8.\r"), 8);
    EXPECT_EQ(settingValue("x: 12abc"), 12);
    EXPECT_EQ(settingValue("x: 1e5"), 1);
    EXPECT_EQ(settingValue("x: ."), std::nullopt);
    EXPECT_EQ(settingValue("x: -"), std::nullopt);
    EXPECT_EQ(settingValue("x: - 4"), std::nullopt);
}
