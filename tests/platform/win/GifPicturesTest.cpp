// The GIF reader against Qt's own: the same pixels for what it reads, and no
// answer for what it leaves to Qt.
#include "platform/win/pictures/GifPictures.h"

#include "platform/win/pictures/PictureCache.h"
#include "platform/win/pictures/Pictures.h"
#include "platform/win/runtime/RuntimeError.h"
#include "support/ScopedPrefix.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <vector>

using namespace velox::win;

namespace {

struct GifPlan {
    int screenWidth = 40;
    int screenHeight = 30;
    int left = 0;
    int top = 0;
    int width = 40;
    int height = 30;
    int colours = 256;    // entries of the colour table (a power of two)
    int transparent = -1; // the transparent index, or none
    bool interlaced = false;
    bool localTable = false;
    int indexLimit = 256; // pixel indices run below this
};

int appendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
    return count;
}

// Writes a GIF whose pixels make a pattern that changes in every row, so rows
// out of place show.
QByteArray writeGif(const GifPlan& plan) {
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    std::vector<GifColorType> table(static_cast<std::size_t>(plan.colours));
    for (int i = 0; i < plan.colours; ++i) {
        table[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(i),
                                              static_cast<GifByteType>(255 - i),
                                              static_cast<GifByteType>((i * 7) & 0xFF)};
    }
    ColorMapObject* map = GifMakeMapObject(plan.colours, table.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, plan.screenWidth, plan.screenHeight, 8, 0,
                      plan.localTable ? nullptr : map);
    if (plan.transparent >= 0) {
        GraphicsControlBlock control{};
        control.TransparentColor = plan.transparent;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    }
    EGifPutImageDesc(gif, plan.left, plan.top, plan.width, plan.height, plan.interlaced,
                     plan.localTable ? map : nullptr);
    const auto rowPixels = [&plan](int y) {
        std::vector<GifPixelType> row(static_cast<std::size_t>(plan.width));
        for (int x = 0; x < plan.width; ++x) {
            row[static_cast<std::size_t>(x)] =
                static_cast<GifPixelType>((x * 3 + y * 11) % plan.indexLimit);
        }
        return row;
    };
    std::vector<int> order;
    if (plan.interlaced) {
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
            for (int y = start; y < plan.height; y += step) {
                order.push_back(y);
            }
        }
    } else {
        for (int y = 0; y < plan.height; ++y) {
            order.push_back(y);
        }
    }
    for (const int y : order) {
        std::vector<GifPixelType> row = rowPixels(y);
        EGifPutLine(gif, row.data(), plan.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

QImage qtRead(const QByteArray& file) {
    QByteArray copy = file;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return reader.read();
}

} // namespace

TEST(GifPictures, GivesQtsPixelsAndFormat) {
    const std::pair<const char*, GifPlan> cases[] = {
        {"global table", GifPlan{}},
        {"local table", GifPlan{.localTable = true}},
        {"interlaced", GifPlan{.width = 37, .height = 29, .interlaced = true}},
        {"screen-sized interlaced",
         GifPlan{
             .screenWidth = 37, .screenHeight = 29, .width = 37, .height = 29, .interlaced = true}},
        {"transparent colour", GifPlan{.transparent = 5}},
        {"small table", GifPlan{.colours = 16, .indexLimit = 16}},
    };
    for (const auto& [what, plan] : cases) {
        const QByteArray file = writeGif(plan);
        const std::optional<QImage> ours = readCommonGif(file);
        if (plan.width != plan.screenWidth || plan.height != plan.screenHeight) {
            EXPECT_FALSE(ours.has_value()) << what;
            continue;
        }
        ASSERT_TRUE(ours.has_value()) << what;
        const QImage theirs = qtRead(file);
        ASSERT_FALSE(theirs.isNull()) << what;
        EXPECT_EQ(ours->format(), theirs.format()) << what;
        EXPECT_EQ(*ours, theirs) << what;
    }
}

TEST(GifPictures, LeavesUncommonFilesToQt) {
    // An image smaller than the screen, or placed inside it.
    EXPECT_FALSE(readCommonGif(writeGif({.width = 20})).has_value());
    EXPECT_FALSE(readCommonGif(writeGif({.left = 4, .width = 36})).has_value());
    // Pixels naming colours the table does not have: a file of 256 colours
    // whose table is cut to its first 16 (the writer never makes such a file).
    QByteArray shortTable = writeGif({.indexLimit = 40});
    shortTable[10] = static_cast<char>((shortTable[10] & ~0x07) | 0x03);
    shortTable.remove(13 + 16 * 3, (256 - 16) * 3);
    ASSERT_FALSE(qtRead(shortTable).isNull());
    EXPECT_FALSE(readCommonGif(shortTable).has_value());
    // Not a GIF, an empty file, a cut-off one.
    EXPECT_FALSE(readCommonGif("\x89PNG\r\n\x1a\n").has_value());
    EXPECT_FALSE(readCommonGif(QByteArray()).has_value());
    const QByteArray whole = writeGif({});
    for (const qsizetype cut : {qsizetype{6}, qsizetype{13}, whole.size() / 2, whole.size() - 2}) {
        EXPECT_FALSE(readCommonGif(whole.left(cut)).has_value()) << cut;
    }
}

// A header's sizes cost a few bytes: a later frame or a screen that promises
// billions of pixels must not be allocated or decoded.
TEST(GifPictures, ReadsOnlyTheFirstImageAndNothingHuge) {
    QByteArray withHugeFrame = writeGif({});
    ASSERT_TRUE(withHugeFrame.endsWith(';'));
    withHugeFrame.chop(1);
    // A second image of 60,000 x 60,000 pixels whose data is a single byte.
    withHugeFrame.append(QByteArray::fromHex("2c00000000"
                                             "60ea60ea"
                                             "00"
                                             "08"
                                             "0100"
                                             "00"
                                             "3b"));
    const std::optional<QImage> first = readCommonGif(withHugeFrame);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(*first, qtRead(writeGif({})));

    // A screen and image of 5,000 x 5,000 with almost no data: left to Qt.
    QByteArray hugeScreen = writeGif({});
    hugeScreen.replace(6, 4,
                       QByteArray::fromHex("8813"
                                           "8813"));
    const qsizetype image = hugeScreen.indexOf(',', 13 + 256 * 3);
    ASSERT_GT(image, 0);
    hugeScreen.replace(image + 5, 4,
                       QByteArray::fromHex("8813"
                                           "8813"));
    EXPECT_FALSE(readCommonGif(hugeScreen).has_value());
}

TEST(GifPictures, LoadPictureReadsGifsAndRaisesForWhatIsNoPicture) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
    velox::test::writeFile(cd.path(), "Pictures/Screen.gif", writeGif({}));
    velox::test::writeFile(cd.path(), "Pictures/Broken.gif", writeGif({}).left(40));
    velox::test::writeFile(cd.path(), "Pictures/Note.gif", "not a picture");
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");
    EXPECT_EQ(LoadPicture("D:\\Pictures\\screen.gif"), qtRead(writeGif({})));
    for (const char* bad : {"D:\\Pictures\\Broken.gif", "D:\\Pictures\\Note.gif"}) {
        try {
            LoadPicture(bad);
            ADD_FAILURE() << bad << " was read";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), err::InvalidPicture) << bad;
        }
    }
}

// A picture read ahead is the one LoadPicture gives, unless the file changed in
// between; a path that cannot be read ahead still raises when it is loaded.
TEST(PicturesReadAhead, LoadPictureTakesThemUnlessTheFileChanged) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
    const QByteArray first = writeGif({});
    const QByteArray second =
        writeGif({.screenWidth = 20, .screenHeight = 10, .width = 20, .height = 10});
    velox::test::writeFile(cd.path(), "Pictures/Photo.gif", first);
    velox::test::writeFile(cd.path(), "Pictures/Screen.gif", first);
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");

    prefetchPicture("D:\\Pictures\\Photo.gif");
    prefetchPicture("D:\\Pictures\\photo.gif"); // the same file again: one reading
    prefetchPicture("D:\\Pictures\\Screen.gif");
    prefetchPicture("D:\\Pictures\\Missing.gif");
    EXPECT_EQ(LoadPicture("D:\\Pictures\\Photo.gif"), qtRead(first));

    // Replaced by a file of another size after the reading started.
    velox::test::writeFile(cd.path(), "Pictures/Screen.gif", second);
    EXPECT_EQ(LoadPicture("D:\\Pictures\\Screen.gif"), qtRead(second));

    try {
        LoadPicture("D:\\Pictures\\Missing.gif");
        ADD_FAILURE() << "a missing picture was read";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), err::FileNotFound);
    }
    // Taken once: loading again reads the file again and gives the same.
    EXPECT_EQ(LoadPicture("D:\\Pictures\\Photo.gif"), qtRead(first));
    dropPrefetchedPictures();
}

// What is read ahead is kept decoded for the next start, found by the file's
// bytes; LoadPicture takes a kept picture instead of decoding the file.
TEST(PicturesReadAhead, AreKeptForTheNextStartAndLoadedFromThere) {
    velox::test::ScopedPrefix prefix;
    QTemporaryDir cd;
    const QByteArray photo = writeGif({});
    velox::test::writeFile(cd.path(), "Pictures/Photo.gif", photo);
    prefix.writeDrives("D: cdrom " + cd.path() + "\n");

    prefetchPicture("D:\\Pictures\\Photo.gif");
    EXPECT_EQ(LoadPicture("D:\\Pictures\\Photo.gif"), qtRead(photo));
    dropPrefetchedPictures(); // waits for the keeping too
    const std::optional<QImage> kept = cachedPicture(pictureKey(photo));
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(*kept, qtRead(photo));

    // Taken from the cache: a picture kept under the file's key is what loads.
    const QImage stand = qtRead(writeGif({.colours = 16, .indexLimit = 16}));
    keepPicture(pictureKey(photo), stand);
    EXPECT_EQ(LoadPicture("D:\\Pictures\\Photo.gif"), stand);
    prefetchPicture("D:\\Pictures\\Photo.gif");
    EXPECT_EQ(LoadPicture("D:\\Pictures\\Photo.gif"), stand);

    // A changed file is another picture.
    const QByteArray changed = writeGif({.transparent = 3});
    velox::test::writeFile(cd.path(), "Pictures/Photo.gif", changed);
    EXPECT_EQ(LoadPicture("D:\\Pictures\\Photo.gif"), qtRead(changed));
    dropPrefetchedPictures();
}
