#include "history/entry_image.h"
#include "history/fold_text.h"
#include "history/full_image_cache.h"
#include "history/row_image_maker.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(FoldText, KeepsLinesMarksCutsAndJoinsOneLine)
{
    const struct {
        const char* in;
        int max;
        const char* out;
        int lines;
    } cases[] = {
        { "one line", 5, "one line ", 1 },
        { "1\n2\n3\n4\n5\n6\n7\n8", 5, "1\n2\n3\n4\n5 \u2026", 5 },
        { "\n \t\nstart\nnext", 5, "start\nnext \u2026", 2 },
        { "a\nb\nc", 1, "a b c ", 1 },
        { "trailing\n", 5, "trailing  ", 1 },
        { "\n\n", 5, " ", 1 },
        { "x", 0, " \u2026", 0 },
    };
    for (const auto& c : cases) {
        QString text = QString::fromUtf8(c.in);
        EXPECT_EQ(FoldText(text, c.max), c.lines) << c.in;
        EXPECT_EQ(text, QString::fromUtf8(c.out)) << c.in;
    }
}

bool SaveImage(const QString& path, int width, int height, Qt::GlobalColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

TEST(RowImages, MadeOnRequestAndReadBackFromTheCacheFolder)
{
    EXPECT_EQ(entry_image::RowSize(QSize(1, 5000)), QSize(1, 200)); // never 0 wide
    QTemporaryDir dir;
    const QString path = dir.filePath("1.png");
    ASSERT_TRUE(SaveImage(path, 800, 400, Qt::yellow));
    auto entry = std::make_shared<entry_image>(path);
    EXPECT_TRUE(entry->RowImage().isNull());
    EXPECT_EQ(entry->Size(), QSize(800, 400));
    {
        row_image_maker maker(dir.filePath("cache"));
        maker.Request(entry);
        ASSERT_TRUE(maker.WaitForDone(10000));
        EXPECT_EQ(entry->RowImage().size(), QSize(400, 200));
        EXPECT_EQ(maker.CachePath(path), dir.filePath("cache/1.png"));
    }
    // A later start reads the small file instead of decoding the content file.
    ASSERT_TRUE(SaveImage(dir.filePath("cache/1.png"), 400, 200, Qt::red));
    auto again = std::make_shared<entry_image>(path);
    row_image_maker maker(dir.filePath("cache"));
    maker.Request(again);
    ASSERT_TRUE(maker.WaitForDone(10000));
    EXPECT_EQ(again->RowImage().pixelColor(0, 0), QColor(Qt::red));
    // An entry deleted before its turn is not decoded.
    auto gone = std::make_shared<entry_image>(path);
    bool ran = false;
    maker.Request(gone, [&] { ran = true; });
    gone.reset();
    ASSERT_TRUE(maker.WaitForDone(10000));
    EXPECT_TRUE(ran);
    maker.Forget(path);
    EXPECT_FALSE(QFile::exists(maker.CachePath(path)));
}

TEST(RowImages, PicturesOverTheBudgetAreDroppedOldestFirstAndMadeAgainFromTheirFile)
{
    QTemporaryDir dir;
    const QImage full(400, 300, QImage::Format_RGB32);
    const qsizetype one = full.scaled(entry_image::RowSize(full.size())).sizeInBytes();
    row_image_maker maker(dir.filePath("rows"), 2 * one);
    std::vector<std::shared_ptr<entry_image>> images;
    for (int i = 0; i < 3; ++i) {
        const QString path = dir.filePath(QString::number(i) + ".png");
        ASSERT_TRUE(SaveImage(path, 400, 300, Qt::blue));
        images.push_back(std::make_shared<entry_image>(path));
        maker.Store(images.back(), full);
    }
    EXPECT_FALSE(images[0]->HasRowImage());
    EXPECT_TRUE(images[1]->HasRowImage() && images[2]->HasRowImage());
    EXPECT_EQ(maker.HeldBytes(), 2 * one);
    ASSERT_TRUE(maker.WaitForDone(10000));
    maker.Request(images[0]);
    ASSERT_TRUE(maker.WaitForDone(10000));
    EXPECT_TRUE(images[0]->HasRowImage());
    EXPECT_FALSE(images[1]->HasRowImage()) << "the oldest held went instead";
    EXPECT_EQ(maker.HeldBytes(), 2 * one);
}

TEST(RowImages, TheWholeImageCacheKeepsTheLatestWithinItsByteBudget)
{
    QTemporaryDir dir;
    // Room for two 10x10 pictures of 4 bytes a pixel, not three.
    full_image_cache cache(2 * 10 * 10 * 4 + 100);
    for (int i = 0; i < 3; ++i) {
        const QString path = dir.filePath(QString::number(i) + ".png");
        ASSERT_TRUE(SaveImage(path, 10, 10, Qt::black));
        EXPECT_EQ(cache.Get(path).width(), 10);
    }
    EXPECT_TRUE(cache.Get(dir.filePath("missing.png")).isNull());
    EXPECT_EQ(cache.size(), 2u);

    const QString big = dir.filePath("big.png");
    ASSERT_TRUE(SaveImage(big, 100, 100, Qt::black));
    EXPECT_EQ(cache.Get(big).width(), 100);
    EXPECT_EQ(cache.size(), 2u) << "a picture over the budget is not kept";
}

} // namespace
