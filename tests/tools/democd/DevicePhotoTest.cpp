// The device photos: every click area of the layout lies over its icon, key
// or logo, the icon bar's gaps show the bare body, and the English captions
// sit where the German caption strip will cover them.
#include "DemoCdFolder.h"
#include "tools/democd/CaptionBand.h"
#include "tools/democd/DeviceModel.h"
#include "tools/democd/PhotoGeometry.h"
#include "tools/democd/WindowPictures.h"

#include <QSet>
#include <gtest/gtest.h>

namespace velox::democd {
namespace {

using test::cdPicture;

struct ClickArea {
    const char* control;
    int index;
};

const ClickArea clickAreas[] = {
    {"BtnMenu", -1},  {"chMachine", -1}, {"BtnCopy", -1},  {"Search", -1},   {"Otter", -1},
    {"Velox", -1},    {"imgExit", -1},   {"Kategorie", 0}, {"Kategorie", 1}, {"Kategorie", 2},
    {"Kategorie", 3}, {"Kategorie", 4},  {"Kategorie", 5}, {"Kategorie", 6}, {"Kategorie", 7},
};

QRgb opaque(QRgb pixel) {
    return pixel | 0xff000000u;
}

double shareNotOf(const QImage& image, const QRect& area, QRgb colour) {
    qint64 other = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            other += opaque(image.pixel(x, y)) != colour;
        }
    }
    return static_cast<double>(other) / (area.width() * area.height());
}

class DevicePhoto : public ::testing::TestWithParam<int> {
protected:
    [[nodiscard]] const DeviceModel& model() const {
        return deviceModels()[static_cast<std::size_t>(GetParam())];
    }
    [[nodiscard]] QImage photo() const { return cdPicture(QString::fromUtf8(model().photoFile)); }
};

TEST_P(DevicePhoto, EveryClickAreaLiesOverItsIcon) {
    const QImage image = photo();
    ASSERT_EQ(image.size(), QSize(800, 600));
    for (const ClickArea& click : clickAreas) {
        const QRect area = photoRect(model().variant, click.control, click.index);
        SCOPED_TRACE(std::string(click.control) + " " + std::to_string(click.index));
        ASSERT_TRUE(image.rect().contains(area));
        EXPECT_GT(shareNotOf(image, area, model().body), 0.75);
    }
}

TEST_P(DevicePhoto, TheIconBarsGapsShowTheBareBody) {
    const QImage image = photo();
    const LayoutVariant variant = model().variant;
    const QRect band = photoRect(variant, model().captionStrip);
    QList<QRect> bar{photoRect(variant, "Otter")};
    for (int i = 0; i < categoryCount; ++i) {
        bar.append(photoRect(variant, "Kategorie", i));
    }
    for (qsizetype i = 0; i + 1 < bar.size(); ++i) {
        const int left = bar[i].right() + 1;
        const int right = bar[i + 1].left() - 1;
        ASSERT_LE(left, right) << "the areas " << i << " and " << i + 1 << " touch";
        const int top = bar[i + 1].top();
        for (int y = top; y < band.top(); ++y) {
            for (int x = left; x <= right; ++x) {
                ASSERT_EQ(opaque(image.pixel(x, y)), model().body)
                    << model().name << " gap " << i << " at " << x << "," << y;
            }
        }
    }
}

TEST_P(DevicePhoto, TheDisplayAreaIsADarkWindow) {
    const QImage image = photo();
    const QRect display = photoRect(model().variant, "MainScreenFalcon");
    qint64 lightness = 0;
    for (int y = display.top(); y <= display.bottom(); ++y) {
        for (int x = display.left(); x <= display.right(); ++x) {
            lightness += QColor(image.pixel(x, y)).lightness();
        }
    }
    EXPECT_LT(static_cast<double>(lightness) / (display.width() * display.height()), 40.0);
}

// Each category's slot of the caption band holds light caption pixels on the
// band's dark ground, and the band is exactly where the German strip goes.
TEST_P(DevicePhoto, EnglishCaptionsLieUnderTheGermanStrip) {
    const QImage image = photo();
    const QRect band = photoRect(model().variant, model().captionStrip);
    const auto centres = categoryCentres(model().variant);
    const QRgb ground = opaque(QColor(34, 36, 42).rgb());
    for (int i = 0; i < categoryCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int left =
            i == 0 ? band.left() : static_cast<int>((centres[at - 1] + centres[at]) / 2) - 1;
        const int right = i == categoryCount - 1
                              ? band.right()
                              : static_cast<int>((centres[at] + centres[at + 1]) / 2) - 1;
        int text = 0;
        for (int y = band.top(); y <= band.bottom(); ++y) {
            for (int x = left; x <= right; ++x) {
                text += QColor(image.pixel(x, y)).lightness() > 170;
            }
        }
        EXPECT_GT(text, 12) << model().name << " caption " << i;
    }
    // The band's ends are plain band: nothing of the captions leaks past the strip.
    for (int y = band.top(); y <= band.bottom(); ++y) {
        EXPECT_EQ(opaque(image.pixel(band.left(), y)), ground);
        EXPECT_EQ(opaque(image.pixel(band.right(), y)), ground);
        EXPECT_NE(opaque(image.pixel(band.left() - 1, y)), ground);
        EXPECT_NE(opaque(image.pixel(band.right() + 1, y)), ground);
    }
    for (int x = band.left(); x <= band.right(); ++x) {
        EXPECT_NE(opaque(image.pixel(x, band.top() - 1)), ground) << x;
    }
}

// The German strip stored with the window has the band's size and ground, and
// different words on it.
TEST_P(DevicePhoto, TheGermanStripMatchesTheBandItCovers) {
    const QImage image = photo();
    const QRect band = photoRect(model().variant, model().captionStrip);
    const QString stripFile = QString::fromUtf8(model().captionStrip) + QStringLiteral(".png");
    for (const WindowPicture& picture : drawWindowPictures()) {
        if (picture.fileName != stripFile) {
            continue;
        }
        ASSERT_EQ(picture.image.size(), band.size());
        const QRgb corner = opaque(picture.image.pixel(0, 0));
        EXPECT_EQ(corner, opaque(image.pixel(band.topLeft())));
        int differing = 0;
        for (int y = 0; y < band.height(); ++y) {
            for (int x = 0; x < band.width(); ++x) {
                const int delta = QColor(picture.image.pixel(x, y)).lightness() -
                                  QColor(image.pixel(band.left() + x, band.top() + y)).lightness();
                differing += std::abs(delta) > 60;
            }
        }
        EXPECT_GT(differing, 200) << "the strip repeats the English captions";
        return;
    }
    FAIL() << "no window picture " << stripFile.toStdString();
}

std::string modelName(const ::testing::TestParamInfo<int>& model) {
    return deviceModels()[static_cast<std::size_t>(model.param)].name;
}

INSTANTIATE_TEST_SUITE_P(AllModels, DevicePhoto, ::testing::Range(0, 4), modelName);

TEST(DevicePhotos, EachModelHasItsOwnBodyColour) {
    QSet<QRgb> bodies;
    for (const DeviceModel& model : deviceModels()) {
        const QImage image = cdPicture(QString::fromUtf8(model.photoFile));
        // Just left of the first category key, on the lid.
        const QRect first = photoRect(model.variant, "Kategorie", 0);
        EXPECT_EQ(opaque(image.pixel(first.left() - 2, first.top() + 2)), model.body) << model.name;
        bodies.insert(model.body);
    }
    EXPECT_EQ(bodies.size(), 4);
}

TEST(DevicePhotos, PhotosFollowTheirLayoutVariant) {
    EXPECT_EQ(deviceModels()[0].variant, LayoutVariant::Wren);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(deviceModels()[i].variant, LayoutVariant::Other);
    }
    EXPECT_STREQ(deviceModels()[1].captionStrip, "katFalconger");
    EXPECT_STREQ(deviceModels()[2].captionStrip, "katMerlinger");
    EXPECT_STREQ(deviceModels()[3].captionStrip, "katMerlinger");
}

} // namespace
} // namespace velox::democd
