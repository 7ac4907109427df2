// The hotkey editor's captures; the popup itself is tested as a widget.
#include "history/content_record.h"
#include "hotkeys/hotkey_edits.h"

#include <gtest/gtest.h>
#include <Qt>

namespace {

hotkey_edits Defaults()
{
    return hotkey_edits({ "Ctrl+Alt+Q", "Ctrl+Alt+W", "Ctrl+Alt+E", "Ctrl+Alt+R", "Ctrl+Alt+T" },
        { "Alt+1~9", "Ctrl+1~9", "Ctrl+Shift+1~9", "Alt+Shift+1~9", "Ctrl+Alt+1~9" });
}

TEST(HotkeyEdits, CloseHandsOnOnlyAfterAPressWithAModifierAndFixedSlotsStayApart)
{
    hotkey_edits edits = Defaults();
    EXPECT_FALSE(edits.Close()) << "nothing pressed";
    edits.Capture(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(edits.Close());
    edits.Capture(Qt::Key_Q, Qt::NoModifier);
    EXPECT_FALSE(edits.Close());

    EXPECT_EQ(edits.Capture(Qt::Key_F5, Qt::ControlModifier), "Ctrl+"); // not taken
    edits.ChoosePage(hotkey_edits::fixed_slot_page);
    EXPECT_EQ(
        edits.Capture(Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier), "Ctrl+Shift+1~9");
    EXPECT_TRUE(edits.Close());
    EXPECT_EQ(edits.cycling()[0], "Ctrl+");
    EXPECT_EQ(edits.fixed_slot()[0], "Ctrl+Shift+1~9");
}

} // namespace
