// The search in stored text that answers LIKE '*text*': it must find exactly
// what a case-insensitive search in the decoded text finds, in each of Jet 4's
// stored forms.
#include "platform/jet/FoldedSearch.h"

#include "platform/jet/TextCodec.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

using velox::jet::FoldedSearch;
using velox::jet::TextCodec;

namespace {

// Compressed with a switch to two bytes per character around each character
// above U+00FF, as Access stores mixed text.
QByteArray switchingForm(const QString& text) {
    QByteArray out("\xff\xfe", 2);
    bool wide = false;
    for (const QChar c : text) {
        const bool needsWide = c.unicode() > 0xff;
        if (needsWide != wide) {
            out.append('\0');
            wide = needsWide;
        }
        if (wide) {
            out.append(char(c.unicode() & 0xff));
            out.append(char(c.unicode() >> 8));
        } else {
            out.append(char(c.unicode()));
        }
    }
    return out;
}

bool foundIn(const QString& needle, const QByteArray& stored) {
    return FoldedSearch(needle.toStdU16String()).foundIn(stored.constData(), int(stored.size()));
}

TEST(FoldedSearch, FindsWhatACaseInsensitiveSearchFindsInEveryStoredForm) {
    const QStringList texts = {
        QString(),
        QStringLiteral("a"),
        QStringLiteral("Kalender"),
        QStringLiteral("Termine und Kalender für den Handheld"),
        QStringLiteral("aaab aab ab"),
        QStringLiteral("abcabcabd"),
        QStringLiteral("STRASSE Straße ÄRGER ärger"),
        QStringLiteral("Maß µm 5µs"),
        QStringLiteral("ΣΊΣΥΦΟΣ σίσυφος ς"),
        QStringLiteral("Temperatur in \u212a und k"),
        QStringLiteral("ends with the needle: xyz"),
    };
    const QStringList needles = {
        QStringLiteral("a"),        QStringLiteral("kalender"),
        QStringLiteral("KALENDER"), QStringLiteral("aab"),
        QStringLiteral("abd"),      QStringLiteral("abcabd"),
        QStringLiteral("ärger"),    QStringLiteral("straße"),
        QStringLiteral("MAẞ"),      QStringLiteral("µ"),
        QStringLiteral("μs"),       QStringLiteral("σίσυφος"),
        QStringLiteral("ς"),        QStringLiteral("k und"),
        QStringLiteral("\u212a"),   QStringLiteral("xyz"),
        QStringLiteral("xyzz"),     QStringLiteral("b aab"),
        QStringLiteral(" "),        QStringLiteral("the needle: xyz and more"),
    };
    for (const QString& text : texts) {
        QList<QByteArray> forms = {TextCodec::encodeUcs2(text), switchingForm(text)};
        if (const QByteArray packed = TextCodec::encodeJet4(text, true);
            packed.startsWith("\xff\xfe"))
            forms.append(packed);
        for (const QString& needle : needles) {
            const bool expected = text.contains(needle, Qt::CaseInsensitive);
            for (const QByteArray& stored : forms) {
                SCOPED_TRACE((needle + QStringLiteral(" in ") + text).toStdString() +
                             " stored as " + stored.toHex().toStdString());
                EXPECT_EQ(foundIn(needle, stored), expected);
            }
        }
    }
}

TEST(FoldedSearch, AnEmptyNeedleIsInEveryTextAndAnOddByteIsNoCharacter) {
    EXPECT_TRUE(foundIn(QString(), QByteArray()));
    EXPECT_TRUE(foundIn(QString(), TextCodec::encodeUcs2(QStringLiteral("x"))));
    // A UCS-2 text cut in the middle of its last character: that half is
    // not searched as a character.
    QByteArray cut = TextCodec::encodeUcs2(QStringLiteral("ab"));
    cut.chop(1);
    EXPECT_TRUE(foundIn(QStringLiteral("a"), cut));
    EXPECT_FALSE(foundIn(QStringLiteral("b"), cut));
}

} // namespace
