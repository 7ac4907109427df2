// FavouriteNowSelectContent: the favourite mark of the selected rows toggled,
// and the changes handed to the sync service in batches of 30.
#pragma once

#include "history/content_history.h"

#include <cstdint>
#include <map>
#include <QString>
#include <string>
#include <vector>

// Each item: "1" or "0" (favourite now or not), the type digit, the file
// name, ",". Emptied after every post of msg_records_collected.
extern std::string collected_names;

struct favourite_changes {
    int added = 0;
    int removed = 0;
};

// Toggles, posts every 30 items with b = 0, saves the history, posts the
// rest with b = 1. The caller rebuilds the list.
favourite_changes ToggleFavouriteRows(content_history& history, std::vector<std::int64_t> rows,
    const std::map<std::int64_t, std::int64_t>& row_to_record);

// "移除2,增加3条收藏"; empty when nothing changed.
QString FavouriteNoticeText(const favourite_changes& changes);

// The row to scroll to after rows from smallest_row down changed: two
// below it, or one above when there is none; -1 for no scrolling.
std::int64_t ScrollRowAfterChange(std::int64_t smallest_row, std::int64_t row_count);
