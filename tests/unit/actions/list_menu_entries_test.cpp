// The key map of the main window: which keys run which list action, on
// press or release, and when keys belong to the search box instead.
#include "actions/list_menu_entries.h"

#include <gtest/gtest.h>

#include <Qt>

namespace {

std::optional<list_action> Released(int key, bool search_focused = false)
{
    return list_menu_entries::ActionForKey(key, false, search_focused, false);
}

std::optional<list_action> Pressed(int key, bool search_focused = false)
{
    return list_menu_entries::ActionForKey(key, true, search_focused, false);
}

TEST(ListKeyMap, LetterKeysRunTheirActionOnRelease)
{
    const std::pair<int, list_action> keys[] = { { Qt::Key_C, list_action::copy },
        { Qt::Key_Space, list_action::copy }, { Qt::Key_F, list_action::copy_file },
        { Qt::Key_V, list_action::paste }, { Qt::Key_Return, list_action::paste },
        { Qt::Key_R, list_action::reverse_paste }, { Qt::Key_B, list_action::flip_paste },
        { Qt::Key_E, list_action::preview }, { Qt::Key_H, list_action::pin },
        { Qt::Key_X, list_action::collect }, { Qt::Key_D, list_action::remove },
        { Qt::Key_S, list_action::settings }, { Qt::Key_G, list_action::login } };
    for (const auto& [key, action] : keys) {
        EXPECT_EQ(Released(key), action) << key;
        EXPECT_EQ(Pressed(key), std::nullopt) << key;
    }
}

TEST(ListKeyMap, DeleteRunsOnPressOnlyKeypadEnterNever)
{
    EXPECT_EQ(Pressed(Qt::Key_Delete), list_action::remove);
    EXPECT_EQ(Released(Qt::Key_Delete), std::nullopt);
    EXPECT_EQ(Released(Qt::Key_Enter), std::nullopt);
    EXPECT_EQ(Released(Qt::Key_A), std::nullopt);
}

TEST(ListKeyMap, SearchBoxKeepsItsKeysDeleteIncluded)
{
    EXPECT_EQ(Released(Qt::Key_V, true), std::nullopt);
    EXPECT_EQ(Released(Qt::Key_Space, true), std::nullopt);
    EXPECT_EQ(Pressed(Qt::Key_Delete, true), std::nullopt);
}

TEST(ListKeyMap, HeldKeyDoesNotRepeatTheAction)
{
    EXPECT_EQ(list_menu_entries::ActionForKey(Qt::Key_V, false, false, true), std::nullopt);
    EXPECT_EQ(list_menu_entries::ActionForKey(Qt::Key_Delete, true, false, true), std::nullopt);
}

} // namespace
