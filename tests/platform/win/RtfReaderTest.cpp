#include "platform/win/richtext/RtfReader.h"

#include "support/QtPrinters.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using velox::win::RtfReader;

namespace {

QString read(const QByteArray& rtf) {
    QTextDocument document;
    RtfReader::read(rtf, document);
    return document.toRawText();
}

// The format of the character at a position of the document.
QTextCharFormat formatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

struct Snippet {
    const char* name;
    QByteArray rtf;
    QString text; // paragraphs end with U+2029, as the document keeps them
};

QString paragraphs(QString text) {
    return text.replace(QLatin1Char('|'), QChar(QChar::ParagraphSeparator));
}

class RtfText : public ::testing::TestWithParam<Snippet> {};

TEST_P(RtfText, KeepsTheText) {
    EXPECT_EQ(read(GetParam().rtf), paragraphs(GetParam().text));
}

const Snippet snippets[] = {
    {"Plain", R"({\rtf1\ansi Hello, world})", "Hello, world"},
    {"EmptyInput", "", ""},
    {"HeaderOnly", R"({\rtf1)", ""},
    {"Paragraphs", R"({\rtf1 one\par two\par})", "one|two"},
    {"EmptyParagraphBetween", R"({\rtf1 one\par\par two\par})", "one||two"},
    {"BackslashNewlineIsAParagraph", "{\\rtf1 a\\\r\nb}", "a|b"},
    {"LineEndsInTheSourceAreNoText", "{\\rtf1 a\r\nb\nc}", "abc"},
    {"LineBreakAndTab", R"({\rtf1 a\line b\tab c})", QString("a\u2028b\tc")},
    {"EscapedSymbols", R"({\rtf1 a\{b\}c\\d\~e})", QString("a{b}c\\d\u00a0e")},
    {"HexInDefaultCodePage", R"({\rtf1\ansi Gr\'fc\'dfe \'80 \'84)", QString("Grüße € „")},
    {"RawHighBytesInCodePage",
     "{\\rtf1\\ansi Gr\xfc\xdf"
     "e}",
     QString("Grüße")},
    {"HexInDeclaredCodePage", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", QString("При")},
    {"HexInFontCharset",
     R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1 \'b9\f0 \'b9})",
     QString("ą¹")},
    {"UnicodeWithFallback", R"({\rtf1 \u8364?x})", QString("€x")},
    {"UnicodeNegative", R"({\rtf1 \u-4064?})", QString(QChar(0xF020))},
    {"UnicodeFallbackOfTwo", R"({\rtf1\uc2 \u8364\'80\'80x})", QString("€x")},
    {"UnicodeNoFallback", R"({\rtf1\uc0 \u252 x})", QString("üx")},
    {"UnicodeFallbackEndsAtGroup", R"({\rtf1\uc3 \u252{x}y})", QString("üxy")},
    {"UnicodeFallbackIsAHexEscape", R"({\rtf1\uc1 \u252\'fcx})", QString("üx")},
    {"SurrogatePair", R"({\rtf1 \u-10179?\u-8704?})", QString::fromUtf8("\xF0\x9F\x98\x80")},
    {"LoneSurrogate", R"({\rtf1 a\u-10179?b})", QString("a\uFFFDb")},
    {"TypographicSymbols", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
     QString("—–•‘’“”")},
    {"SkippedTables",
     R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}{\stylesheet{\s0 Normal;}})"
     R"({\info{\title T}{\author A}}Text{\pict\wmetafile8 0102ab}!})",
     "Text!"},
    {"UnknownControlWords", R"({\rtf1\foo12 a\barbaz-3 b\q c})", "abc"},
    {"StarDestination", R"({\rtf1 a{\*\generator Word;}b})", "ab"},
    {"NestedStarDestinations", R"({\rtf1 a{\*\x{\*\y deep{\z more}}text}b})", "ab"},
    {"FieldKeepsItsResult",
     R"({\rtf1 see {\field{\*\fldinst HYPERLINK "x"}{\fldrslt the link}} now})",
     "see the link now"},
    {"HiddenText", R"({\rtf1 a{\v hidden}b})", "ab"},
    {"BinaryData", "{\\rtf1 a{\\*\\blob\\bin4 }}}}}b}", "ab"},
    {"BinaryDataInText", "{\\rtf1 a\\bin3 {{{b}", "ab"},
    {"ExtraClosingBrace", R"({\rtf1 a}}b)", "ab"},
    {"MissingClosingBraces", R"({\rtf1 a{\b b{\i c)", "abc"},
    {"TruncatedHexAtEnd", R"({\rtf1 a\'4)", "a4"},
    {"TruncatedHexBeforeText", R"({\rtf1 a\'zzb})", "azzb"},
    {"BackslashAtEnd", "{\\rtf1 a\\", "a"},
    {"HugeFontSize", R"({\rtf1\fs99999999999999999999 big})", "big"},
    {"HugeUnicodeValue", R"({\rtf1 \u99999999999?ok})", "ok"},
    {"HugeFallbackLength", R"({\rtf1\uc99999999 \u252 abcdefghijklmnopqrstuvwxyz})",
     QString("üqrstuvwxyz")},
    {"OverlongControlWord", QByteArray("{\\rtf1 a\\") + QByteArray(100, 'x') + " b}", "ab"},
    {"ControlCharactersDropped",
     QByteArray("{\\rtf1 a\0\x01"
                "b}",
                12),
     "ab"},
    {"TextAfterLastBrace", R"({\rtf1 a}b)", "ab"},
    {"FontTableWithoutGroups", R"({\rtf1{\fonttbl\f0\fswiss Arial;\f1 Times;}x})", "x"},
};

INSTANTIATE_TEST_SUITE_P(Snippets, RtfText, ::testing::ValuesIn(snippets),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RtfReader, DeepNestingKeepsTheText) {
    const QByteArray rtf =
        "{\\rtf1 a" + QByteArray(100000, '{') + "b" + QByteArray(100000, '}') + "c}";
    EXPECT_EQ(read(rtf), "abc");
}

TEST(RtfReader, CharacterFormats) {
    QTextDocument document;
    RtfReader::read(R"({\rtf1 n\b b\b0 n\i i\i0\ul u\ulnone n{\b g}n\strike s\strike0\b\i\ul x})",
                    document);
    ASSERT_EQ(document.toPlainText(), "nbniungnsx");
    struct Expected {
        int position;
        bool bold, italic, underline, strike;
    };
    const Expected expected[] = {
        {0, false, false, false, false}, {1, true, false, false, false},
        {2, false, false, false, false}, {3, false, true, false, false},
        {4, false, false, true, false},  {5, false, false, false, false},
        {6, true, false, false, false},  {7, false, false, false, false},
        {8, false, false, false, true},  {9, true, true, true, false},
    };
    for (const Expected& e : expected) {
        const QTextCharFormat format = formatAt(document, e.position);
        SCOPED_TRACE(e.position);
        EXPECT_EQ(format.fontWeight() == QFont::Bold, e.bold);
        EXPECT_EQ(format.fontItalic(), e.italic);
        EXPECT_EQ(format.fontUnderline(), e.underline);
        EXPECT_EQ(format.fontStrikeOut(), e.strike);
    }
}

TEST(RtfReader, FontsSizesAndColours) {
    QTextDocument document;
    RtfReader::read(R"({\rtf1\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
                    R"({\colortbl;\red255\green0\blue0;\red0\green0\blue128;})"
                    R"(a\f1\fs40\cf1 X\cf2 Y\cf9 Z\plain W\fs0 V\fs999999 U})",
                    document);
    ASSERT_EQ(document.toPlainText(), "aXYZWVU");
    EXPECT_EQ(formatAt(document, 0).fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(formatAt(document, 0).fontPointSize(), 12.0);
    EXPECT_FALSE(formatAt(document, 0).hasProperty(QTextFormat::ForegroundBrush));

    const QTextCharFormat x = formatAt(document, 1);
    EXPECT_EQ(x.fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(x.fontPointSize(), 20.0);
    EXPECT_EQ(x.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(document, 2).foreground().color(), QColor(0, 0, 128));
    // A colour the table does not hold is the automatic colour.
    EXPECT_FALSE(formatAt(document, 3).hasProperty(QTextFormat::ForegroundBrush));

    const QTextCharFormat w = formatAt(document, 4);
    EXPECT_EQ(w.fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(w.fontPointSize(), 12.0);
    EXPECT_FALSE(w.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(formatAt(document, 5).fontPointSize(), 12.0);   // \fs0 changes nothing
    EXPECT_EQ(formatAt(document, 6).fontPointSize(), 1638.0); // the largest size there is
}

TEST(RtfReader, ParagraphAlignment) {
    QTextDocument document;
    RtfReader::read(R"({\rtf1\pard\qc Title\par\pard Body\par\qr Right\par})", document);
    ASSERT_EQ(document.blockCount(), 3);
    EXPECT_EQ(document.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(document.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(document.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
}

TEST(RtfReader, ReadingAgainReplacesTheDocument) {
    QTextDocument document;
    RtfReader::read(R"({\rtf1 first\par})", document);
    RtfReader::read(R"({\rtf1 second})", document);
    EXPECT_EQ(document.toPlainText(), "second");
}

TEST(RtfReader, RecognisesRichText) {
    EXPECT_TRUE(RtfReader::isRichText("{\\rtf1\\ansi x}"));
    EXPECT_TRUE(RtfReader::isRichText("{\\rtf"));
    EXPECT_FALSE(RtfReader::isRichText(" {\\rtf1"));
    EXPECT_FALSE(RtfReader::isRichText("{\\RTF1"));
    EXPECT_FALSE(RtfReader::isRichText("readme"));
    EXPECT_FALSE(RtfReader::isRichText(""));
}

// Damaged copies of a real-looking readme: every one is read to the end and
// keeps the words that no damage touched.
TEST(RtfReader, DamagedInputNeverFails) {
    const QByteArray original =
        R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;}})"
        R"({\colortbl ;\red255\green0\blue0;}{\*\generator Msftedit 5.41;}\viewkind4\uc1)"
        R"(\pard\b\f0\fs20 Velox\b0  \cf1\'fcber\cf0\par \i Zeile\i0\line \u8364?\tab x\par})";
    QRandomGenerator random(20261208);
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = original;
        const int edits = 1 + random.bounded(6);
        for (int i = 0; i < edits; ++i) {
            const int at = random.bounded(damaged.size());
            switch (random.bounded(3)) {
            case 0:
                damaged[at] = static_cast<char>(random.bounded(256));
                break;
            case 1:
                damaged.remove(at, 1 + random.bounded(8));
                break;
            default:
                damaged.insert(at, "{}\\'*"[random.bounded(5)]);
                break;
            }
        }
        QTextDocument document;
        RtfReader::read(damaged, document);
        EXPECT_LE(document.characterCount(), damaged.size() + 2);
    }
}

} // namespace
