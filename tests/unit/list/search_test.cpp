#include "history/search_matcher.h"
#include "history/view_filter.h"

#include <gtest/gtest.h>

namespace {

using texts = std::vector<std::string>;

std::vector<content_item> Entries(
    const std::vector<std::pair<std::int64_t, std::string>>& list, size_t favourites = 0)
{
    std::vector<content_item> items;
    for (const auto& [type, text] : list) {
        content_item item;
        item.type = type;
        item.text = text;
        item.collect = items.size() < favourites ? favourite_mark : 0;
        items.push_back(item);
    }
    return items;
}

texts Shown(const std::vector<content_item>& items, const QString& search,
    std::int64_t type = content_all, std::int64_t order = 0, std::int64_t max = 500)
{
    const search_matcher matcher(search);
    const view_rows rows = FilterItems(items, type, order, max, &matcher);
    texts shown;
    for (const auto& [row, index] : rows.row_to_record) {
        EXPECT_EQ(rows.filtered_items[row].text, items[index].text);
        shown.push_back(rows.filtered_items[row].text);
    }
    return shown;
}

// The text is found plainly (case-sensitive, by its UTF-8 bytes) or as a
// pattern after one character; images leave the list while anything is typed.
TEST(Search, PlainlyOrThroughThePatternWithOneCharacterBeforeIt)
{
    const auto items = Entries({ { content_text, "xx abc yy" }, { content_image, "/c/abc.png" },
        { content_file, "file:///home/abc/a.txt" }, { content_text, "ABC" },
        { content_text, "abc" }, { content_text, "a.c" }, { content_text, "f(x" },
        { content_text, "((" }, { content_text, "今天的剪贴板" }, { content_text, "明天" } });
    const std::pair<const char*, texts> cases[] = {
        { "abc", { "xx abc yy", "file:///home/abc/a.txt", "abc" } },
        { "ABC", { "ABC" } },
        // Through ".a.c" in " abc" and "/abc", not in "abc" with nothing before it.
        { "a.c", { "xx abc yy", "file:///home/abc/a.txt", "a.c" } },
        { " ", { "xx abc yy" } },
        { "(", { "f(x", "((" } }, // an invalid pattern only matches plainly
        { "[", {} },
        { "剪贴", { "今天的剪贴板" } },
    };
    for (const auto& [search, expected] : cases)
        EXPECT_EQ(Shown(items, QString::fromUtf8(search)), expected) << search;
    EXPECT_EQ(Shown(items, QString()).size(), items.size()); // an empty box shows everything
}

TEST(Search, HonoursTheTypeTabAndTheFavouritesOrder)
{
    const auto items = Entries({ { content_text, "t1 key" }, { content_file, "file:///key/f1" },
                                   { content_image, "/c/key.png" }, { content_text, "t2 key" },
                                   { content_file, "file:///key/f2" } },
        3);
    EXPECT_EQ(Shown(items, "key", content_favourite), (texts { "t1 key", "file:///key/f1" }));
    // Files before texts (order 5), favourites only.
    EXPECT_EQ(Shown(items, "key", content_favourite, 5), (texts { "file:///key/f1", "t1 key" }));
    EXPECT_EQ(Shown(items, "key", content_file), (texts { "file:///key/f1", "file:///key/f2" }));
    // The image tab lists nothing while anything is typed.
    EXPECT_EQ(Shown(items, "key", content_image), texts {});
    EXPECT_EQ(Shown(items, QString(), content_image), (texts { "/c/key.png" }));
    // Without a search: favourites grouped images, texts, files.
    EXPECT_EQ(Shown(items, QString(), content_favourite, 3),
        (texts { "/c/key.png", "t1 key", "file:///key/f1" }));
    // Only the first max_save_count entries are looked at.
    EXPECT_EQ(Shown(items, "key", content_all, 0, 1), (texts { "t1 key" }));
}

} // namespace
