// The hotkey editor's captures and what it keeps per type and page.
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

TEST(HotkeyEdits, CapturesNameModifiersInAFixedOrderThenADigitOrLetter)
{
    hotkey_edits edits = Defaults();
    EXPECT_EQ(edits.Capture(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier), "Alt+Ctrl+Q");
    EXPECT_EQ(edits.Capture(Qt::Key_7, Qt::ShiftModifier | Qt::MetaModifier | Qt::AltModifier),
        "Alt+Shift+Win+7");
    // Other keys are not taken; the prefix stays.
    EXPECT_EQ(edits.Capture(Qt::Key_F5, Qt::ControlModifier), "Ctrl+");
    EXPECT_EQ(edits.Capture(Qt::Key_Control, Qt::ControlModifier), "Ctrl+");
    EXPECT_EQ(edits.key_label(), "Ctrl+");
    EXPECT_EQ(edits.cycling()[0], "Ctrl+");

    // The fixed-slot page adds the digits' range; the label shows the prefix.
    edits.ChoosePage(hotkey_edits::fixed_slot_page);
    EXPECT_EQ(
        edits.Capture(Qt::Key_Shift, Qt::ControlModifier | Qt::ShiftModifier), "Ctrl+Shift+1~9");
    EXPECT_EQ(edits.key_label(), "Ctrl+Shift+");
    EXPECT_EQ(edits.fixed_slot()[0], "Ctrl+Shift+1~9");
    EXPECT_EQ(edits.PageText(hotkey_edits::fixed_slot_page), "Ctrl+Shift+1~9");
    EXPECT_EQ(edits.PageText(hotkey_edits::cycling_page), "Ctrl+");

    // A capture on the fixed-slot page never lands among the cycling texts,
    // also not on close.
    EXPECT_TRUE(edits.Close());
    EXPECT_EQ(edits.cycling()[0], "Ctrl+");
    EXPECT_EQ(edits.fixed_slot()[0], "Ctrl+Shift+1~9");
}

TEST(HotkeyEdits, CloseHandsOnTheEditsOnlyAfterAPressWithAModifier)
{
    hotkey_edits edits = Defaults();
    EXPECT_FALSE(edits.Close()) << "nothing pressed";
    edits.Capture(Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(edits.Close());
    edits.Capture(Qt::Key_Q, Qt::NoModifier);
    EXPECT_FALSE(edits.Close());
    EXPECT_EQ(edits.cycling()[0], "Q");
}

TEST(HotkeyEdits, AnotherTypeKeepsWhatWasTypedForThePreviousOne)
{
    hotkey_edits edits = Defaults();
    edits.Capture(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(edits.ChooseType(content_text));
    EXPECT_EQ(edits.type(), 1u);
    EXPECT_EQ(edits.key_label(), "Ctrl+Alt+W");
    edits.Capture(Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(edits.ChooseType(content_text)) << "already chosen";
    EXPECT_TRUE(edits.ChooseType(content_favourite));
    EXPECT_EQ(edits.type(), 4u);
    EXPECT_TRUE(edits.ChooseType(content_all));
    EXPECT_EQ(edits.key_label(), "Alt+A");
    EXPECT_FALSE(edits.ChooseType(9));
    EXPECT_TRUE(edits.Close());
    EXPECT_EQ(edits.cycling(),
        (std::vector<std::string> { "Alt+A", "Ctrl+B", "Ctrl+Alt+E", "Ctrl+Alt+R", "Ctrl+Alt+T" }));
}

} // namespace
