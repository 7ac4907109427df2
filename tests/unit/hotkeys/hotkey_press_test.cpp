// The row a hotkey press selects, and where it shows the window.
#include "history/content_record.h"
#include "hotkeys/hotkey_press.h"
#include "hotkeys/window_beside_cursor.h"

#include <gtest/gtest.h>

namespace {

// Presses of one cycling hotkey in the view shown, each from the row the
// previous one selected.
std::vector<std::int64_t> Cycle(hotkey_press press, int count)
{
    std::vector<std::int64_t> rows;
    for (int i = 0; i < count; ++i) {
        press.current_row = RowForPress(press);
        press.previous_view = press.view;
        rows.push_back(press.current_row);
    }
    return rows;
}

TEST(HotkeyPress, RepeatedPressesStepDownAndWrapAtLoopCount)
{
    hotkey_press press { content_all, content_all, -1, -1, 10, 10, 4 };
    EXPECT_EQ(Cycle(press, 6), (std::vector<std::int64_t> { 0, 1, 2, 3, 0, 1 }));
    press.loop_count = 2;
    EXPECT_EQ(Cycle(press, 3), (std::vector<std::int64_t> { 0, 1, 0 }));
    // Fewer rows in the view than loop_count.
    press.loop_count = 4;
    press.rows = 2;
    EXPECT_EQ(Cycle(press, 3), (std::vector<std::int64_t> { 0, 1, 0 }));
}

TEST(HotkeyPress, FirstPressInTheViewShownStartsBelowTheCurrentRow)
{
    EXPECT_EQ(RowForPress({ content_text, content_text, -1, 1, 10, 5, 4 }), 2);
    // Another view starts at its top row, whatever row was current.
    EXPECT_EQ(RowForPress({ content_image, content_text, -1, 3, 10, 5, 4 }), 0);
}

TEST(HotkeyPress, FixedSlotsPickTheirRowOrCycleBeyondTheList)
{
    EXPECT_EQ(RowForPress({ content_text, content_text, 2, 0, 10, 5, 4 }), 2);
    // loop_count does not bound a slot.
    EXPECT_EQ(RowForPress({ content_text, content_text, 8, 0, 20, 12, 4 }), 8);
    // Slot 3 (digit 3) with two rows: like a cycling press.
    EXPECT_EQ(RowForPress({ content_all, content_image, 2, 5, 10, 2, 4 }), 0);
    EXPECT_EQ(RowForPress({ content_image, content_image, 2, 0, 10, 2, 4 }), 1);
}

TEST(HotkeyPress, NothingToSelectWithoutEntriesOrRows)
{
    EXPECT_EQ(RowForPress({ content_all, content_all, -1, -1, 0, 0, 4 }), -1);
    EXPECT_EQ(RowForPress({ content_all, content_image, 0, -1, 3, 0, 4 }), -1);
}

TEST(WindowBesideCursor, RightOfTheCursorAndLiftedAboveTheWorkAreaBottom)
{
    const QRect work(0, 0, 1920, 1040);
    EXPECT_EQ(WindowBesideCursor({ 500, 300 }, { 400, 600 }, work), QPoint(600, 300));
    EXPECT_EQ(WindowBesideCursor({ 500, 440 }, { 400, 600 }, work), QPoint(600, 440));
    EXPECT_EQ(WindowBesideCursor({ 500, 441 }, { 400, 600 }, work), QPoint(600, 440));
    // The work area of a second monitor, below and right of the first.
    EXPECT_EQ(WindowBesideCursor({ 2000, 700 }, { 400, 600 }, QRect(1920, 100, 1280, 1000)),
        QPoint(2100, 500));
}

} // namespace
