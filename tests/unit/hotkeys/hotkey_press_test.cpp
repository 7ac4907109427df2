// The row a hotkey press selects, and where it shows the window.
#include "history/content_record.h"
#include "hotkeys/hotkey_press.h"
#include "hotkeys/window_beside_cursor.h"

#include <gtest/gtest.h>

namespace {

TEST(HotkeyPress, FewRowsSlotsPastTheLoopAndNoEntries)
{
    // Views, slots and loop_count are followed through the main window; these are the edges.
    const std::pair<hotkey_press, std::int64_t> cases[] = {
        { { content_all, content_all, -1, 1, 10, 2, 4 }, 0 }, // fewer rows than loop_count
        { { content_text, content_text, 8, 0, 20, 12, 4 }, 8 }, // a slot past loop_count
        { { content_image, content_image, 2, 0, 10, 2, 4 }, 1 }, // a slot past the rows cycles
        { { content_all, content_all, -1, -1, 0, 0, 4 }, -1 },
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
