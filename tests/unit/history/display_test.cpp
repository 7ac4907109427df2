#include "history/entry_image.h"
#include "history/fold_text.h"
#include "history/full_image_cache.h"
#include "history/row_image_maker.h"
#include "history/view_filter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

struct fold_case {
    const char* in;
    int max;
    const char* out;
    int lines;
};

TEST(FoldText, KeepsLinesMarksCutsAndJoinsOneLine)
{
    const fold_case cases[] = {
        { "one line", 5, "one line ", 1 },
        { "a\nb\nc", 5, "a\nb\nc \u2026", 3 },
        { "1\n2\n3\n4\n5\n6\n7\n8", 5, "1\n2\n3\n4\n5 \u2026", 5 },
        { "\n \t\nstart\nnext", 5, "start\nnext \u2026", 2 },
        { "a\nb\nc", 1, "a b c ", 1 },
        { "trailing\n", 5, "trailing  ", 1 },
        { "\n\n", 5, " ", 1 },
        { "\n\nx", 5, "x ", 1 },
        { "x", 0, " \u2026", 0 },
    };
    for (const fold_case& c : cases) {
        QString text = QString::fromUtf8(c.in);
        EXPECT_EQ(FoldText(text, c.max), c.lines) << c.in;
        EXPECT_EQ(text, QString::fromUtf8(c.out)) << c.in;
    }
}

TEST(RowImages, SizeFollowsTheListRowRule)
{
    EXPECT_EQ(entry_image::RowSize(QSize(1920, 1080)), QSize(355, 200));
    EXPECT_EQ(entry_image::RowSize(QSize(2000, 100)), QSize(664, 33));
    EXPECT_EQ(entry_image::RowSize(QSize(1, 5000)), QSize(1, 200));
    EXPECT_TRUE(entry_image::RowSize(QSize()).isEmpty());
}

TEST(RowImages, MadeOnRequestAndReadBackFromTheCacheFolder)
{
    QTemporaryDir dir;
    QImage full(800, 400, QImage::Format_RGB32);
    full.fill(Qt::yellow);
    const QString path = dir.filePath("1.png");
    ASSERT_TRUE(full.save(path));
    auto entry = std::make_shared<entry_image>(path);
    EXPECT_TRUE(entry->RowImage().isNull());
    EXPECT_EQ(entry->Size(), QSize(800, 400));
    {
        row_image_maker maker(dir.filePath("cache"));
        maker.Request(entry);
        ASSERT_TRUE(maker.WaitForDone(10000));
        EXPECT_EQ(entry->RowImage().size(), QSize(400, 200));
        EXPECT_TRUE(QFile::exists(maker.CachePath(path)));
    }
    // A later start reads the small file; a newer content file is decoded again.
    QImage small(400, 200, QImage::Format_RGB32);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(dir.filePath("cache/1.png")));
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

TEST(RowImages, TheWholeImageCacheKeepsOnlyTheLatestFew)
{
    QTemporaryDir dir;
    full_image_cache cache(2);
    for (int i = 0; i < 3; ++i) {
        QImage image(10 + i, 10, QImage::Format_RGB32);
        image.fill(Qt::black);
        ASSERT_TRUE(image.save(dir.filePath(QString::number(i) + ".png")));
        EXPECT_EQ(cache.Get(dir.filePath(QString::number(i) + ".png")).width(), 10 + i);
    }
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_TRUE(cache.Get(dir.filePath("missing.png")).isNull());
    EXPECT_EQ(cache.size(), 2u);
}

std::vector<content_item> Items()
{
    // newest first: text, fav image, file, fav text, fav file
    const std::int64_t types[] = { 0, 1, 2, 0, 2 };
    const bool favs[] = { false, true, false, true, true };
    std::vector<content_item> items;
    for (int i = 0; i < 5; ++i) {
        content_item item;
        item.type = types[i];
        item.collect = favs[i] ? collect_mark : 0;
        item.content = std::to_string(i);
        items.push_back(item);
    }
    return items;
}

TEST(ViewFilter, RowsMapToTheirEntries)
{
    const auto items = Items();
    const view_rows files = FilterItems(items, content_file, 0, 500);
    EXPECT_EQ(files.row_to_record, (std::map<std::int64_t, std::int64_t> { { 0, 2 }, { 1, 4 } }));
    EXPECT_EQ(FilterItems(items, content_all, 0, 3).filtered_items.size(), 3u);
    const view_rows favourites = FilterItems(items, content_collect, 0, 500);
    EXPECT_EQ(favourites.row_to_record,
        (std::map<std::int64_t, std::int64_t> { { 0, 1 }, { 1, 3 }, { 2, 4 } }));
    // Images, then texts, then files.
    const view_rows grouped = FilterItems(items, content_collect, 3, 500);
    EXPECT_EQ(grouped.row_to_record,
        (std::map<std::int64_t, std::int64_t> { { 0, 1 }, { 1, 3 }, { 2, 4 } }));
    const view_rows files_first = FilterItems(items, content_collect, 5, 500);
    EXPECT_EQ(files_first.row_to_record,
        (std::map<std::int64_t, std::int64_t> { { 0, 4 }, { 1, 3 }, { 2, 1 } }));
}

} // namespace
