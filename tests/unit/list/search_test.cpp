#include "history/search_matcher.h"
#include "history/view_filter.h"

#include <gtest/gtest.h>

namespace {

content_item Entry(std::int64_t type, std::string text, bool favourite = false)
{
    content_item item;
    item.type = type;
    item.text = std::move(text);
    item.content = "/c/" + std::to_string(reinterpret_cast<std::uintptr_t>(&item));
    item.collect = favourite ? collect_mark : 0;
    return item;
}

std::vector<std::string> Shown(const std::vector<content_item>& items, const QString& search,
    std::int64_t type = content_all, std::int64_t order = 0, std::int64_t max = 500)
{
    const search_matcher matcher(search);
    const view_rows rows = FilterItems(items, type, order, max, &matcher);
    std::vector<std::string> texts;
    for (const auto& [row, index] : rows.row_to_record) {
        EXPECT_EQ(rows.filtered_items[static_cast<size_t>(row)].text,
            items[static_cast<size_t>(index)].text);
        texts.push_back(rows.filtered_items[static_cast<size_t>(row)].text);
    }
    return texts;
}

using texts = std::vector<std::string>;

TEST(Search, PlainTestIsCaseSensitiveAndDropsImages)
{
    const std::vector<content_item> items
        = { Entry(content_text, "xx abc yy"), Entry(content_image, "/c/abc.png"),
              Entry(content_file, "file:///home/abc/a.txt"), Entry(content_text, "ABC") };
    EXPECT_EQ(
        Shown(items, QStringLiteral("abc")), (texts { "xx abc yy", "file:///home/abc/a.txt" }));
    EXPECT_EQ(Shown(items, QStringLiteral("ABC")), (texts { "ABC" }));
    // Emptying the box restores the whole view, images included.
    EXPECT_EQ(Shown(items, QString()).size(), 4u);
}

TEST(Search, PatternNeedsOneCharacterBeforeIt)
{
    const std::vector<content_item> items
        = { Entry(content_text, "xabc"), Entry(content_text, "abc"), Entry(content_text, "a.c") };
    // "a.c" is found plainly in "a.c", through ".a.c" in "xabc", not in "abc".
    EXPECT_EQ(Shown(items, QStringLiteral("a.c")), (texts { "xabc", "a.c" }));
}

TEST(Search, NonAsciiTextIsMatchedByItsBytes)
{
    const std::vector<content_item> items
        = { Entry(content_text, "今天的剪贴板"), Entry(content_text, "明天") };
    EXPECT_EQ(Shown(items, QStringLiteral("剪贴")), (texts { "今天的剪贴板" }));
    // The pattern sees characters: "今" stands before "天".
    EXPECT_EQ(Shown(items, QStringLiteral("天")), (texts { "今天的剪贴板", "明天" }));
}

TEST(Search, ASingleSpaceKeepsTextsWithASpace)
{
    const std::vector<content_item> items = { Entry(content_text, "no_space"),
        Entry(content_text, "one space"), Entry(content_file, "file:///a b/c") };
    EXPECT_EQ(Shown(items, QStringLiteral(" ")), (texts { "one space", "file:///a b/c" }));
}

TEST(Search, InvalidPatternOnlyMatchesPlainly)
{
    const std::vector<content_item> items
        = { Entry(content_text, "f(x"), Entry(content_text, "fx"), Entry(content_text, "((") };
    EXPECT_EQ(Shown(items, QStringLiteral("(")), (texts { "f(x", "((" }));
    EXPECT_EQ(Shown(items, QStringLiteral("[")), texts {});
}

TEST(Search, HonoursTheTypeTabAndTheFavouritesOrder)
{
    const std::vector<content_item> items = { Entry(content_text, "t1 key", true),
        Entry(content_file, "file:///key/f1", true), Entry(content_image, "/c/key.png", true),
        Entry(content_text, "t2 key"), Entry(content_file, "file:///key/f2") };
    EXPECT_EQ(Shown(items, QStringLiteral("key"), content_collect),
        (texts { "t1 key", "file:///key/f1" }));
    // Files before texts (order 5), favourites only.
    EXPECT_EQ(Shown(items, QStringLiteral("key"), content_collect, 5),
        (texts { "file:///key/f1", "t1 key" }));
    EXPECT_EQ(Shown(items, QStringLiteral("key"), content_file),
        (texts { "file:///key/f1", "file:///key/f2" }));
    // The image tab lists nothing while anything is typed.
    EXPECT_EQ(Shown(items, QStringLiteral("key"), content_image), texts {});
    EXPECT_EQ(Shown(items, QString(), content_image), (texts { "/c/key.png" }));
    // Only the first max_save_count entries are looked at.
    EXPECT_EQ(Shown(items, QStringLiteral("key"), content_all, 0, 1), (texts { "t1 key" }));
}

TEST(ViewFilter, FavouritesRegroupedByTypeKeepTheirIndexes)
{
    const std::vector<content_item> items = { Entry(content_text, "t1", true),
        Entry(content_image, "i1", true), Entry(content_file, "f1", true),
        Entry(content_text, "t2"), Entry(content_image, "i2", true) };
    const view_rows rows = FilterItems(items, content_collect, 3, 500);
    ASSERT_EQ(rows.filtered_items.size(), 4u);
    const std::vector<std::int64_t> expected = { 1, 4, 0, 2 }; // images, texts, files
    for (size_t row = 0; row < expected.size(); ++row)
        EXPECT_EQ(rows.row_to_record.at(static_cast<std::int64_t>(row)), expected[row]);
}

} // namespace
