// Which entries the list shows for the chosen type tab, favourites order and
// search text, and which entry each row stands for.
#pragma once

#include "history/content_item.h"
#include "history/search_matcher.h"

#include <cstdint>
#include <map>
#include <vector>

struct view_rows {
    std::vector<content_item> filtered_items;
    std::map<std::int64_t, std::int64_t> row_to_record; // row -> index into items
};

view_rows FilterItems(const std::vector<content_item>& items, std::int64_t show_content_type,
    std::int64_t collect_sort_type, std::int64_t max_save_count,
    const search_matcher* search = nullptr);
