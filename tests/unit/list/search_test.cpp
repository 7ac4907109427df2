#include "history/search_matcher.h"
#include "history/view_filter.h"

#include <gtest/gtest.h>

namespace {

using texts = std::vector<std::string>;

std::vector<content_item> Entries(const std::vector<std::pair<std::int64_t, std::string>>& list)
{
    std::vector<content_item> items;
    for (const auto& [type, text] : list) {
        content_item item;
        item.type = type;
        item.text = text;
        items.push_back(item);
    }
    return items;
}

texts Shown(const std::vector<content_item>& items, const QString& search)
{
    const search_matcher matcher(search);
    const view_rows rows = FilterItems(items, content_all, 0, 500, &matcher);
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

} // namespace
