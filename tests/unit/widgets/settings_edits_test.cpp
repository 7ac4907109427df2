#include "core/message_ids.h"
#include "widgets/settings_edits.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsEdits, MessagesChangeTheCopyAndBrokenOnesNothing)
{
    settings_edits edits(settings_record {});
    EXPECT_FALSE(edits.OnMessage(msg_control_toggled, control_dark_mode_switch, 1));
    EXPECT_TRUE(edits.edited().dark_mode);
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

} // namespace
