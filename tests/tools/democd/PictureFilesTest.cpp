// The CD's Pictures folder: names, formats and sizes as the catalogue loads
// them, and the screens drawn like the handheld's display.
#include "DemoCdFolder.h"
#include "tools/democd/DemoCd.h"
#include "tools/democd/ScreenPictures.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace velox::democd {
namespace {

using test::cdPicture;
using test::demoCdRoot;

const QRgb displayGreen = qRgb(153, 204, 153);

struct PictureFile {
    const char* name;
    int width;
    int height;
};

const PictureFile expectedFiles[] = {
    {"Wren.gif", 800, 600},
    {"Falcon.gif", 800, 600},
    {"Merlin.gif", 800, 600},
    {"Osprey.gif", 800, 600},
    {"HauptschirmWren.gif", 480, 160},
    {"HauptschirmFalcon.gif", 640, 240},
    {"AudioWren.gif", 480, 160},
    {"AudioFalcon.gif", 640, 240},
    {"changeVeloxWren.gif", 480, 160},
    {"changeVeloxFalcon.gif", 640, 240},
    {"languageWren.gif", 480, 160},
    {"languageFalcon.gif", 640, 240},
    {"SearchWren.gif", 480, 160},
    {"SearchFalcon.gif", 640, 240},
};

TEST(PictureFiles, EachIsAGifOfItsSizeUnderItsExactName) {
    const QDir pictures(QDir(demoCdRoot()).filePath(QStringLiteral("Pictures")));
    for (const PictureFile& file : expectedFiles) {
        SCOPED_TRACE(file.name);
        const QString name = QString::fromLatin1(file.name);
        // Listed with this exact spelling (the CD's names are matched without
        // regard to case, but they are written as the catalogue spells them).
        EXPECT_TRUE(pictures.entryList(QDir::Files).contains(name));
        QImageReader reader(pictures.filePath(name));
        EXPECT_EQ(reader.format(), "gif");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), QSize(file.width, file.height));
    }
    QImageReader marker(pictures.filePath(QStringLiteral("LanguageFalcon.gif")));
    EXPECT_EQ(marker.format(), "gif");
    EXPECT_FALSE(marker.read().isNull());
}

TEST(PictureFiles, TheFolderHoldsExactlyTheListedFiles) {
    const QDir pictures(QDir(demoCdRoot()).filePath(QStringLiteral("Pictures")));
    QStringList written = pictures.entryList(QDir::Files);
    QStringList listed = pictureFileNames();
    written.sort();
    listed.sort();
    EXPECT_EQ(written, listed);
    EXPECT_EQ(listed.size(), static_cast<qsizetype>(std::size(expectedFiles)) + 1);
}

class ScreenPicture : public ::testing::TestWithParam<std::tuple<Screen, ScreenFamily>> {};

// Drawn in the display's light green like an LCD: the ground is the green, the
// ink is dark green, and nothing else takes up much of the screen.
TEST_P(ScreenPicture, IsDrawnInTheDisplayGreen) {
    const auto [screen, family] = GetParam();
    const QImage image = cdPicture(screenFileName(screen, family));
    ASSERT_FALSE(image.isNull());
    qint64 green = 0;
    qint64 greenish = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xff000000u;
            green += pixel == displayGreen;
            greenish += qGreen(pixel) >= qRed(pixel) && qGreen(pixel) >= qBlue(pixel);
        }
    }
    const double area = static_cast<double>(image.width()) * image.height();
    EXPECT_GT(green / area, 0.55);
    EXPECT_GT(greenish / area, 0.97);
}

// The overlay labels and the search field sit on plain display.
TEST_P(ScreenPicture, LeavesRoomForItsOverlayControls) {
    const auto [screen, family] = GetParam();
    const QImage image = cdPicture(screenFileName(screen, family));
    for (const QRect& area : reservedAreas(screen, family)) {
        ASSERT_TRUE(image.rect().contains(area));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                ASSERT_EQ(image.pixel(x, y) | 0xff000000u, displayGreen)
                    << screenFileName(screen, family).toStdString() << " at " << x << "," << y;
            }
        }
    }
}

std::string screenName(const ::testing::TestParamInfo<std::tuple<Screen, ScreenFamily>>& info) {
    return screenFileName(std::get<0>(info.param), std::get<1>(info.param))
        .chopped(4)
        .toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllScreens, ScreenPicture,
                         ::testing::Combine(::testing::ValuesIn(allScreens),
                                            ::testing::ValuesIn(allFamilies)),
                         screenName);

TEST(PictureFiles, AnUnknownNameIsRefused) {
    QTemporaryDir dir;
    EXPECT_THROW(writePicture(dir.path(), QStringLiteral("Heron.gif")), std::invalid_argument);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(ScreenPicture, OverlayRoomIsWhereTheLabelsSitOnTheDisplay) {
    // mnuVeloxFalcon of the larger models: window (2040, 1900) twips, display at (1570, 560).
    const QList<QRect> machine = reservedAreas(Screen::MachineChoice, ScreenFamily::Falcon);
    ASSERT_EQ(machine.size(), 3);
    EXPECT_EQ(machine[0], QRect(136 - 105, 127 - 37, 187, 25));
    // txtSearch on the Wren: window (3165, 1655), display at (2775, 1125).
    const QList<QRect> search = reservedAreas(Screen::Search, ScreenFamily::Wren);
    ASSERT_EQ(search.size(), 1);
    EXPECT_EQ(search[0], QRect(211 - 185, 110 - 75, 243, 19));
    EXPECT_TRUE(reservedAreas(Screen::Main, ScreenFamily::Falcon).isEmpty());
}

} // namespace
} // namespace velox::democd
