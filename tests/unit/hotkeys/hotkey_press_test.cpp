// The row a hotkey press selects, and where it shows the window.
#include "history/content_record.h"
#include "hotkeys/hotkey_press.h"
#include "hotkeys/window_beside_cursor.h"

#include <gtest/gtest.h>

namespace {

TEST(HotkeyPress, RowsForCyclingAndFixedSlotPresses)
{
    const std::pair<hotkey_press, std::int64_t> cases[] = {
        // First press in the view shown: below the current row; another view: its top.
        { { content_text, content_text, -1, 1, 10, 5, 4 }, 2 },
        { { content_image, content_text, -1, 3, 10, 5, 4 }, 0 },
        { { content_all, content_all, -1, 3, 10, 10, 4 }, 0 }, // wraps at loop_count
        { { content_all, content_all, -1, 1, 10, 2, 4 }, 0 }, // or at the rows of the view
        // A slot beyond loop_count is still picked; beyond the rows it cycles.
        { { content_text, content_text, 8, 0, 20, 12, 4 }, 8 },
        { { content_all, content_image, 2, 5, 10, 2, 4 }, 0 },
        { { content_image, content_image, 2, 0, 10, 2, 4 }, 1 },
        { { content_all, content_all, -1, -1, 0, 0, 4 }, -1 },
        { { content_all, content_image, 0, -1, 3, 0, 4 }, -1 },
    };
    for (const auto& [press, row] : cases)
        EXPECT_EQ(RowForPress(press), row) << press.view << " " << press.current_row;
}

TEST(WindowBesideCursor, RightOfTheCursorAndLiftedAboveTheWorkAreaBottom)
{
    const QRect work(0, 0, 1920, 1040);
    EXPECT_EQ(WindowBesideCursor({ 500, 440 }, { 400, 600 }, work), QPoint(600, 440));
    EXPECT_EQ(WindowBesideCursor({ 500, 441 }, { 400, 600 }, work), QPoint(600, 440));
    EXPECT_EQ(WindowBesideCursor({ 2000, 700 }, { 400, 600 }, QRect(1920, 100, 1280, 1000)),
        QPoint(2100, 500));
}

} // namespace
