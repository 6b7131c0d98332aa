// The pictures stored with the windows: drawn by democd, committed as PNG files
// in catalogue/resources, and compiled into the program as pixels.
#include "tools/democd/WindowPictures.h"

#include "catalogue/mainwindow/StoredPictures.h"
#include "tools/democd/AboutArtwork.h"
#include "tools/democd/HandPointer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velox::democd {
namespace {

struct Expected {
    const char* file;
    int width;
    int height;
};

// Caption strips from their layout rectangles (twips / 15): katWrenger 7035 x 285,
// katFalconger and katMerlinger 9195 x 315.
const Expected expected[] = {
    {"katWrenger.png", 469, 19},      {"katFalconger.png", 613, 21},
    {"katMerlinger.png", 613, 21},    {"printBtn.png", 33, 56},
    {"Imgemail.png", 33, 33},         {"Imghomepage.png", 33, 33},
    {"Imgreadme.png", 33, 33},        {"HandPointer.png", 32, 32},
    {"Splash.png", 500, 290},         {"Connect_Velox.png", 400, 200},
    {"Close_Recorder.png", 400, 200},
};

QImage drawn(const char* file) {
    for (const WindowPicture& picture : drawWindowPictures()) {
        if (picture.fileName == QLatin1String(file)) {
            return picture.image;
        }
    }
    return {};
}

TEST(WindowPictures, EachHasItsSize) {
    const QList<WindowPicture> pictures = drawWindowPictures();
    ASSERT_EQ(pictures.size(), static_cast<qsizetype>(std::size(expected)));
    for (const Expected& want : expected) {
        EXPECT_EQ(drawn(want.file).size(), QSize(want.width, want.height)) << want.file;
    }
}

// Redrawing gives the pictures the program carries (up to font rendering), so a
// change of the drawing is not forgotten in catalogue/resources/, and the
// pixels compiled from those files are the pictures.
TEST(WindowPictures, TheProgramCarriesTheCurrentPictures) {
    for (const WindowPicture& picture : drawWindowPictures()) {
        const QString name = QFileInfo(picture.fileName).completeBaseName();
        const QImage stored = veloxcd::storedPicture(name).convertToFormat(QImage::Format_ARGB32);
        const QImage fresh = picture.image.convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(stored.size(), fresh.size()) << picture.fileName.toStdString();
        qint64 difference = 0;
        for (int y = 0; y < fresh.height(); ++y) {
            for (int x = 0; x < fresh.width(); ++x) {
                const QRgb a = stored.pixel(x, y);
                const QRgb b = fresh.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        }
        EXPECT_LT(static_cast<double>(difference) / (fresh.width() * fresh.height()), 3.0)
            << picture.fileName.toStdString()
            << ": run democd --window-pictures catalogue/resources";
    }
}

TEST(WindowPictures, WritesPngFilesAndTheResourceList) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("new/resources"));
    writeWindowPictures(target);
    QFile qrc(QDir(target).filePath(QStringLiteral("resources.qrc")));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QByteArray list = qrc.readAll();
    EXPECT_TRUE(list.contains("prefix=\"/window\""));
    for (const Expected& want : expected) {
        EXPECT_TRUE(list.contains(QByteArray("<file>") + want.file + "</file>")) << want.file;
        const QImage image(QDir(target).filePath(QLatin1String(want.file)));
        EXPECT_EQ(image.size(), QSize(want.width, want.height)) << want.file;
    }
}

TEST(HandPointer, PointsWithItsFingerTipOnTheHotSpot) {
    const QImage hand = drawHandPointer();
    ASSERT_TRUE(hand.hasAlphaChannel());
    EXPECT_EQ(handPointerHotSpot, QPoint(12, 1));
    // The tip is the topmost part of the hand, and the hot spot is on it.
    int top = -1;
    for (int y = 0; y < hand.height() && top < 0; ++y) {
        for (int x = 0; x < hand.width(); ++x) {
            if (qAlpha(hand.pixel(x, y)) > 0) {
                top = y;
                break;
            }
        }
    }
    EXPECT_EQ(top, handPointerHotSpot.y());
    EXPECT_EQ(qAlpha(hand.pixel(handPointerHotSpot)), 255);
    // Transparent around the hand, and a solid white inside the finger.
    EXPECT_EQ(qAlpha(hand.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(hand.pixel(31, 0)), 0);
    EXPECT_EQ(hand.pixel(12, 6), qRgb(255, 255, 255));
}

TEST(AboutArtwork, LeavesTheCreditsSideCalm) {
    const QImage art = drawAboutArtwork().convertToFormat(QImage::Format_RGB32);
    // From x = 253 on, only a gentle gradient: neighbouring pixels never jump.
    for (int y = 0; y < art.height(); ++y) {
        for (int x = aboutCreditsLeft; x + 1 < art.width(); ++x) {
            const QColor a(art.pixel(x, y));
            const QColor b(art.pixel(x + 1, y));
            ASSERT_LE(std::abs(a.lightness() - b.lightness()), 2) << x << "," << y;
        }
        ASSERT_GT(QColor(art.pixel(aboutCreditsLeft, y)).lightness(), 200);
    }
    // The artwork side is not empty.
    EXPECT_LT(QColor(art.pixel(20, 20)).lightness(), 120);
}

TEST(PromptPictures, AreDrawnPictures) {
    for (const char* file : {"Connect_Velox.png", "Close_Recorder.png"}) {
        const QImage image = drawn(file);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3) {
            for (int x = 0; x < image.width(); x += 3) {
                colours.insert(image.pixel(x, y));
            }
        }
        EXPECT_GT(colours.size(), 20) << file;
    }
}

} // namespace
} // namespace velox::democd
