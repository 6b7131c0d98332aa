// The font configuration read ahead on a thread: Qt then lays out text with the
// system's fonts as it would have after reading the configuration itself.
#include "platform/win/FontConfiguration.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace velox::win;

TEST(FontConfiguration, ReadAheadLeavesQtTheSystemsFonts) {
    awaitFontConfiguration(); // nothing started: returns at once
    startReadingFontConfiguration();
    startReadingFontConfiguration(); // a second start reads nothing more
    awaitFontConfiguration();
    awaitFontConfiguration();

    EXPECT_FALSE(QFontDatabase::families().isEmpty());
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(8.25);
    const QFontMetrics metrics(font);
    EXPECT_GT(metrics.height(), 0);
    EXPECT_GT(metrics.horizontalAdvance(QStringLiteral("Velox CD")), 0);
    QLineEdit box;
    box.setFont(font);
    box.setText(QStringLiteral("Velox CD"));
    EXPECT_GT(box.fontMetrics().horizontalAdvance(box.text()), 0);
}
