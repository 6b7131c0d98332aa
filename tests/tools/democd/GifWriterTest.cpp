#include "tools/democd/GifWriter.h"

#include "tools/democd/PaletteQuantiser.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace velox::democd {
namespace {

QImage indexedPattern(int width, int height, const QList<QRgb>& colours) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, static_cast<uint>((x * 7 + y * 3) % colours.size()));
        }
    }
    return image;
}

struct RoundTrip {
    int width;
    int height;
    int colours;
};

class GifRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

// Every pixel reads back with its colour, whatever the size of the colour map
// (which giflib needs padded to a power of two).
TEST_P(GifRoundTrip, PixelsReadBackUnchanged) {
    const RoundTrip shape = GetParam();
    QList<QRgb> colours;
    for (int i = 0; i < shape.colours; ++i) {
        colours.append(qRgb(i * 37 % 256, 255 - i, i * 11 % 256));
    }
    const QImage written = indexedPattern(shape.width, shape.height, colours);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.gif"));
    writeGif(written, path);

    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "gif");
    const QImage read = reader.read();
    ASSERT_FALSE(read.isNull()) << reader.errorString().toStdString();
    ASSERT_EQ(read.size(), written.size());
    for (int y = 0; y < shape.height; ++y) {
        for (int x = 0; x < shape.width; ++x) {
            ASSERT_EQ(read.pixel(x, y) | 0xff000000u, written.pixel(x, y)) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, GifRoundTrip,
                         ::testing::Values(RoundTrip{1, 1, 1}, RoundTrip{3, 2, 2},
                                           RoundTrip{17, 5, 3}, RoundTrip{33, 56, 200},
                                           RoundTrip{640, 240, 256}),
                         [](const ::testing::TestParamInfo<RoundTrip>& shape) {
                             return std::to_string(shape.param.width) + "x" +
                                    std::to_string(shape.param.height) + "_" +
                                    std::to_string(shape.param.colours) + "colours";
                         });

TEST(GifWriter, RejectsPicturesThatAreNotIndexed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.gif"));
    QImage rgb(4, 4, QImage::Format_RGB32);
    rgb.fill(Qt::red);
    EXPECT_THROW(writeGif(rgb, path), std::invalid_argument);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(GifWriter, FailureNamesThePath) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/p.gif"));
    const QImage image = indexedPattern(4, 4, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
    try {
        writeGif(image, missing);
        FAIL() << "writing into a missing folder succeeded";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("p.gif"), std::string::npos);
    }
}

TEST(GifWriter, BadInputLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QImage image = indexedPattern(4, 4, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const QString old = dir.filePath(QStringLiteral("old.gif"));
    writeGif(image, old);
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_THROW(writeGif(QImage(), old), std::invalid_argument);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST(PaletteQuantiser, KeepsChosenColoursExactInAPictureOfManyColours) {
    QImage picture(300, 100, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient rainbow(0, 0, 300, 100);
    rainbow.setColorAt(0, Qt::red);
    rainbow.setColorAt(0.5, Qt::green);
    rainbow.setColorAt(1, Qt::blue);
    painter.fillRect(picture.rect(), rainbow);
    const QRgb body = qRgb(182, 187, 194);
    const QRgb green = qRgb(153, 204, 153);
    painter.fillRect(10, 10, 40, 40, QColor(body));
    painter.fillRect(200, 50, 40, 40, QColor(green));
    painter.end();

    const QRgb exact[] = {body, green};
    const QImage indexed = quantiseToPalette(picture, exact);
    ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
    EXPECT_LE(indexed.colorCount(), 256);
    for (int y = 10; y < 50; ++y) {
        for (int x = 10; x < 50; ++x) {
            ASSERT_EQ(indexed.pixel(x, y), body);
            ASSERT_EQ(indexed.pixel(x + 190, y + 40), green);
        }
    }
    // The rest stays close to the original: no channel far off on average.
    qint64 error = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = indexed.pixel(x, y);
            error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                     std::abs(qBlue(a) - qBlue(b));
        }
    }
    EXPECT_LT(static_cast<double>(error) / (picture.width() * picture.height()), 12.0);
}

TEST(PaletteQuantiser, PicturesOfFewColoursKeepAllOfThem) {
    const QImage picture = indexedPattern(20, 20, {qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9)})
                               .convertToFormat(QImage::Format_RGB32);
    const QImage indexed = quantiseToPalette(picture);
    EXPECT_EQ(indexed.colorCount(), 3);
    EXPECT_EQ(indexed.convertToFormat(QImage::Format_RGB32), picture);
}

} // namespace
} // namespace velox::democd
