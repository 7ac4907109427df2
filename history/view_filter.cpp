#include "history/view_filter.h"

namespace {

// Type groups of the favourites view, by collect_sort_type 1..6.
const std::int64_t kGroupOrders[7][3] = {
    { -1, -1, -1 },
    { content_text, content_image, content_file },
    { content_text, content_file, content_image },
    { content_image, content_text, content_file },
    { content_image, content_file, content_text },
    { content_file, content_text, content_image },
    { content_file, content_image, content_text },
};

} // namespace

view_rows FilterItems(const std::vector<content_item>& items, std::int64_t show_content_type,
    std::int64_t collect_sort_type, std::int64_t max_save_count, const search_matcher* search)
{
    view_rows view;
    std::vector<std::int64_t> indexes;
    const bool searching = search && !search->empty();
    for (size_t i = 0; i < items.size() && static_cast<std::int64_t>(i) < max_save_count; ++i) {
        const content_item& item = items[i];
        const bool shown = show_content_type == content_favourite
            ? item.collect == favourite_mark
            : show_content_type == content_all || item.type == show_content_type;
        if (!shown)
            continue;
        // A search looks at texts only: images leave the list.
        if (searching && (item.type == content_image || !search->Matches(item.text)))
            continue;
        indexes.push_back(static_cast<std::int64_t>(i));
    }
    if (show_content_type == content_favourite && collect_sort_type > 0 && collect_sort_type < 7) {
        std::vector<std::int64_t> grouped;
        for (std::int64_t type : kGroupOrders[collect_sort_type]) {
            for (std::int64_t i : indexes) {
                if (items[static_cast<size_t>(i)].type == type)
                    grouped.push_back(i);
            }
        }
        indexes.swap(grouped);
    }
    for (std::int64_t i : indexes) {
        view.row_to_record[static_cast<std::int64_t>(view.filtered_items.size())] = i;
        view.filtered_items.push_back(items[static_cast<size_t>(i)]);
    }
    return view;
}
