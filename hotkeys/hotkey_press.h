// Which list row a hotkey press selects: the newest entry of the view on the
// first press, one further on each repeated press, back to the top past
// loop_count, or a fixed slot.
#pragma once

#include <cstdint>

struct hotkey_press {
    std::int64_t previous_view = 0; // the view shown before the press
    std::int64_t view = 0; // the hotkey's view
    int slot = -1; // -1 for a cycling hotkey
    std::int64_t current_row = -1; // before the press, -1 when none
    std::int64_t records = 0; // stored entries, of any view
    std::int64_t rows = 0; // list rows in the hotkey's view
    std::int64_t loop_count = 0;
};

// The row to select and copy, -1 when there is none (no entry, empty view).
std::int64_t RowForPress(const hotkey_press& press);
