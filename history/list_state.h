// What the list shows, without the widget: every stored entry, or the entries
// that the type tab, the favourites order and the search text let through,
// with the stored entry that each shown row stands for.
#pragma once

#include "history/content_item.h"

#include <cstdint>
#include <map>
#include <QString>
#include <vector>

class list_state {
public:
    // items are the stored entries, newest first; they outlive this.
    explicit list_state(const std::vector<content_item>& items);

    // Filters the stored entries again; the rows shown change only with ShowFiltered.
    void Filter(const QString& search_text, std::int64_t show_content_type,
        std::int64_t collect_sort_type, std::int64_t max_save_count);
    void ShowFiltered() { view_ = &filtered_items_; }
    void ShowAll() { view_ = &items_; }

    // Row N of the list is element N.
    const std::vector<content_item>* view() const { return view_; }
    // Filtered row -> index into the stored entries.
    const std::map<std::int64_t, std::int64_t>& row_to_record() const { return row_to_record_; }
    // The entry of shown row N; null outside the rows.
    const content_item* Entry(std::int64_t row) const;

private:
    const std::vector<content_item>& items_;
    std::vector<content_item> filtered_items_;
    std::map<std::int64_t, std::int64_t> row_to_record_;
    const std::vector<content_item>* view_ = nullptr;
};
