#include "hotkeys/hotkey_press.h"

std::int64_t RowForPress(const hotkey_press& press)
{
    if (press.records <= 0 || press.rows <= 0)
        return -1;
    // A switched view starts at its top row; a press in the view already
    // shown moves one row on, counted over all entries as the stored
    // history wraps.
    std::int64_t row = 0;
    if (press.previous_view == press.view)
        row = (press.current_row + 1) % press.records;
    if (row >= press.loop_count || row >= press.rows || row < 0)
        row = 0;
    // A slot beyond the end of the list behaves like a cycling press.
    if (press.slot >= 0 && press.rows > press.slot)
        row = press.slot;
    return row;
}
