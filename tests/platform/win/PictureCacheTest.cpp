// The cache of decoded pictures: what it gives back, what it passes over, and
// how much it holds.
#include "platform/win/pictures/PictureCache.h"

#include "support/ScopedPrefix.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

using namespace velox::win;

namespace {

// A picture whose every pixel differs from its neighbours, so rows or
// columns out of place show.
QImage pattern(int width, int height, QImage::Format format, int seed = 0) {
    QImage picture(width, height, format);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y,
                             qRgba((x * 7 + seed) & 0xFF, (y * 13) & 0xFF, (x + y) & 0xFF,
                                   format == QImage::Format_RGB32 ? 255 : (x * 5) & 0xFF));
        }
    }
    return picture;
}

QString cacheFileOf(const QByteArray& key) {
    return QDir(pictureCacheDirectory()).filePath(QString::fromLatin1(key) + ".pixels");
}

} // namespace

TEST(PictureCache, GivesBackThePixelsAndFormatItKept) {
    velox::test::ScopedPrefix prefix;
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
        const QImage picture = pattern(37, 23, format, format);
        const QByteArray key = pictureKey(QByteArray::number(format));
        EXPECT_FALSE(cachedPicture(key).has_value());
        keepPicture(key, picture);
        ASSERT_TRUE(QFileInfo::exists(cacheFileOf(key))) << format;
        std::optional<QImage> kept = cachedPicture(key);
        ASSERT_TRUE(kept.has_value()) << format;
        EXPECT_EQ(kept->format(), format);
        EXPECT_EQ(*kept, picture);

        // A change makes a copy: the cache file stays as it was.
        kept->setPixel(0, 0, qRgb(1, 2, 3));
        EXPECT_EQ(cachedPicture(key).value(), picture);
        // The picture given stays whole when the file goes.
        const QImage held = cachedPicture(key).value();
        ASSERT_TRUE(QFile::remove(cacheFileOf(key)));
        EXPECT_EQ(held, picture);
        EXPECT_FALSE(cachedPicture(key).has_value());
    }
}

TEST(PictureCache, PassesOverFilesThatAreNotWholeAndReplacesThem) {
    velox::test::ScopedPrefix prefix;
    const QImage picture = pattern(16, 9, QImage::Format_RGB32);
    const QByteArray key = pictureKey("photo");
    const QByteArray otherKey = pictureKey("screen");
    keepPicture(key, picture);
    const QByteArray whole = velox::test::fileContents(cacheFileOf(key));
    ASSERT_EQ(whole.size(), 64 + 16 * 9 * 4);

    const auto changed = [&whole](const std::function<void(QByteArray&)>& change) {
        QByteArray bytes = whole;
        change(bytes);
        return bytes;
    };
    const std::pair<const char*, QByteArray> damaged[] = {
        {"empty", QByteArray()},
        {"header only", whole.left(64)},
        {"cut short", whole.left(whole.size() - 1)},
        {"a byte too long", whole + 'x'},
        {"another kind of file", changed([](QByteArray& b) { b[0] = 'P'; })},
        {"another picture's key",
         changed([&otherKey](QByteArray& b) { b.replace(24, 40, otherKey); })},
        {"width that does not add up", changed([](QByteArray& b) { b[8] = 17; })},
        {"no width", changed([](QByteArray& b) { b[8] = 0; })},
        {"a row length of its own", changed([](QByteArray& b) { b[16] = 68; })},
        {"an 8-bit format", changed([](QByteArray& b) { b[20] = QImage::Format_Indexed8; })},
        {"a huge height", changed([](QByteArray& b) { b[15] = 0x7F; })},
    };
    for (const auto& [what, bytes] : damaged) {
        velox::test::writeFile(pictureCacheDirectory(), QString::fromLatin1(key) + ".pixels",
                               bytes);
        EXPECT_FALSE(cachedPicture(key).has_value()) << what;
        keepPicture(key, picture);
        ASSERT_TRUE(cachedPicture(key).has_value()) << what;
        EXPECT_EQ(*cachedPicture(key), picture) << what;
    }
    // A folder where the file would be.
    ASSERT_TRUE(QFile::remove(cacheFileOf(key)));
    ASSERT_TRUE(QDir().mkpath(cacheFileOf(key)));
    EXPECT_FALSE(cachedPicture(key).has_value());
    keepPicture(key, picture);
    EXPECT_FALSE(cachedPicture(key).has_value());
}

TEST(PictureCache, KeepsOnlyWhatItGivesBackWhole) {
    velox::test::ScopedPrefix prefix;
    QImage indexed(8, 8, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0)});
    indexed.fill(0);
    QImage withText = pattern(8, 8, QImage::Format_RGB32);
    withText.setText("name", "Screen");
    QImage withResolution = pattern(8, 8, QImage::Format_RGB32);
    withResolution.setDotsPerMeterX(withResolution.dotsPerMeterX() * 2);
    const std::pair<const char*, QImage> refused[] = {
        {"8-bit", indexed},    {"16-bit", pattern(8, 8, QImage::Format_RGB16)},
        {"text", withText},    {"a resolution", withResolution},
        {"nothing", QImage()},
    };
    for (const auto& [what, picture] : refused) {
        const QByteArray key = pictureKey(what);
        keepPicture(key, picture);
        EXPECT_FALSE(QFileInfo::exists(cacheFileOf(key))) << what;
        EXPECT_FALSE(cachedPicture(key).has_value()) << what;
    }
}

TEST(PictureCache, TakesOnlyKeysItMadeAndFailsQuietlyWhereItCannotWrite) {
    velox::test::ScopedPrefix prefix;
    const QImage picture = pattern(4, 4, QImage::Format_RGB32);
    const QByteArray key = pictureKey("photo");
    for (const QByteArray& bad :
         {QByteArray("../../registry"), key.toUpper(), key.left(39), key + "0", QByteArray()}) {
        keepPicture(bad, picture);
        EXPECT_FALSE(cachedPicture(bad).has_value()) << bad.constData();
    }
    EXPECT_FALSE(QDir(pictureCacheDirectory()).exists());

    // A file named like the cache's folder: nothing is kept, nothing fails.
    velox::test::writeFile(prefix.path(), "cache", "not a folder");
    keepPicture(key, picture);
    EXPECT_FALSE(cachedPicture(key).has_value());
}

TEST(PictureCache, HoldsAtMostTheLimitAndDropsTheOldestFirst) {
    velox::test::ScopedPrefix prefix;
    const QImage picture = pattern(4, 4, QImage::Format_RGB32);
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    for (int i = 0; i < keptPictureLimit; ++i) {
        const QByteArray key = pictureKey(QByteArray::number(i));
        keepPicture(key, picture);
        QFile file(cacheFileOf(key));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(start.addSecs(i), QFileDevice::FileModificationTime));
    }
    const QByteArray newest = pictureKey("newest");
    keepPicture(newest, picture);
    EXPECT_EQ(QDir(pictureCacheDirectory()).entryList(QDir::Files).size(), keptPictureLimit);
    EXPECT_TRUE(cachedPicture(newest).has_value());
    EXPECT_FALSE(cachedPicture(pictureKey("0")).has_value());
    EXPECT_TRUE(cachedPicture(pictureKey("1")).has_value());
}
