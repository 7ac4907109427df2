#include "history/list_state.h"

#include "history/search_matcher.h"
#include "history/view_filter.h"

list_state::list_state(const std::vector<content_item>& items)
    : items_(items)
{
}

void list_state::Filter(const QString& search_text, std::int64_t show_content_type,
    std::int64_t collect_sort_type, std::int64_t max_save_count)
{
    // Compiled once here for every entry the search looks at.
    const search_matcher search(search_text);
    view_rows rows
        = FilterItems(items_, show_content_type, collect_sort_type, max_save_count, &search);
    filtered_items_ = std::move(rows.filtered_items);
    row_to_record_ = std::move(rows.row_to_record);
}

const content_item* list_state::Entry(std::int64_t row) const
{
    if (!view_ || row < 0 || static_cast<std::size_t>(row) >= view_->size())
        return nullptr;
    return &(*view_)[static_cast<std::size_t>(row)];
}
