#include "core/message_ids.h"
#include "widgets/settings_edits.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsEdits, LoadBringsEveryValueIntoWhatItsControlCanShow)
{
    settings_record stored;
    stored.max_save_count = 800;
    stored.loop_count = 0;
    stored.image_preview_scale = 4;
    stored.search_path = -1;
    settings_edits edits(stored);
    EXPECT_EQ(edits.edited().max_save_count, 500);
    EXPECT_EQ(edits.edited().loop_count, 1);
    EXPECT_EQ(edits.edited().image_preview_scale, 0);
    EXPECT_EQ(edits.edited().search_path, 0);
    stored = settings_record();
    stored.max_save_count = 500;
    stored.loop_count = 100;
    stored.image_preview_scale = 3;
    edits.Load(stored);
    EXPECT_TRUE(edits.edited() == stored);
}

TEST(SettingsEdits, MessagesChangeTheCopyAndBrokenOnesNothing)
{
    settings_edits edits(settings_record {});
    EXPECT_FALSE(edits.OnMessage(msg_control_toggled, control_dark_mode_switch, 1));
    EXPECT_TRUE(edits.edited().dark_mode);
    edits.OnMessage(msg_control_toggled, control_hotkey_enable_switch, 0);
    EXPECT_FALSE(edits.edited().enable_hotkey);
    // The main window's own day/night button is not this window's to take.
    edits.OnMessage(msg_control_toggled, control_day_night_button, 0);
    EXPECT_TRUE(edits.edited().dark_mode);

    std::vector<std::string> cycling { "Alt+Q" }; // short: the others stay
    std::vector<std::string> fixed_slot { "Ctrl+1~9", "Alt+1~9" };
    EXPECT_FALSE(edits.OnMessage(msg_hotkeys_edited, reinterpret_cast<std::int64_t>(&cycling), 0));
    EXPECT_TRUE(edits.OnMessage(msg_hotkeys_edited, reinterpret_cast<std::int64_t>(&cycling),
        reinterpret_cast<std::int64_t>(&fixed_slot)));
    EXPECT_EQ(edits.Cycling(), (std::vector<std::string> { "Alt+Q", "", "", "", "" }));
    EXPECT_EQ(edits.FixedSlot(), (std::vector<std::string> { "Ctrl+1~9", "Alt+1~9", "", "", "" }));
}

TEST(SettingsEdits, MetaIsShownAsWin)
{
    EXPECT_EQ(settings_edits::ShownHotkey("Meta+Alt+Q"), "Win+Alt+Q");
    EXPECT_EQ(settings_edits::ShownHotkey("Ctrl+Meta+M"), "Ctrl+Win+M");
    EXPECT_EQ(settings_edits::ShownHotkey("Ctrl+Alt+Q"), "Ctrl+Alt+Q");
}

} // namespace
