#include "platform/com/Ansi.h"

#include <gtest/gtest.h>

using namespace velox::com;

TEST(Ansi, RoundTripsEveryByte) {
    QByteArray all;
    for (int b = 1; b < 256; ++b) {
        all.append(static_cast<char>(b));
    }
    EXPECT_EQ(ansiFromUnicode(unicodeFromAnsi(all)), all);
}

TEST(Ansi, MapsTheWindowsSpecificCharacters) {
    struct Row {
        char16_t unicode;
        unsigned char ansi;
    };
    const Row rows[] = {{0x20AC, 0x80}, {0x201E, 0x84}, {0x2122, 0x99}, {0x0178, 0x9F},
                        {0x00E4, 0xE4}, {0x00DF, 0xDF}, {0x0081, 0x81}};
    for (const Row& row : rows) {
        const QString text(QChar(row.unicode));
        EXPECT_EQ(ansiFromUnicode(text), QByteArray(1, static_cast<char>(row.ansi)))
            << int(row.unicode);
        EXPECT_EQ(unicodeFromAnsi(QByteArray(1, static_cast<char>(row.ansi))), text);
    }
}

TEST(Ansi, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(ansiFromUnicode(QString::fromUtf8("a\u0100b\u4E2D")), "a?b?");
    // A character outside the basic plane is one character: one "?".
    EXPECT_EQ(ansiFromUnicode(QString::fromUtf8("x\U0001F600y")), "x?y");
    BOOL used = FALSE;
    const WCHAR text[] = u"\u0100";
    char out[4] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, out, 4, nullptr, &used), 2);
    EXPECT_STREQ(out, "?");
    EXPECT_EQ(used, TRUE);
}

TEST(Ansi, WindowsCallsCountTheTerminatorAndRefuseSmallBuffers) {
    const WCHAR text[] = u"Alarm";
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr), 6);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, 5, nullptr, 0, nullptr, nullptr), 5);
    char small[3];
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, text, -1, small, 3, nullptr, nullptr), 0);
    WCHAR wide[8] = {};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "\x80uro", -1, wide, 8), 5);
    EXPECT_EQ(wide[0], u'\u20AC');
    EXPECT_EQ(wide[4], u'\0');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", -1, wide, 2), 0);
}
