// The key map of the main window: which keys run which list action, on
// press or release, and when keys belong to the search box instead.
#include "actions/list_menu_entries.h"

#include <gtest/gtest.h>

#include <Qt>

namespace {

using list_menu_entries::ActionForKey;

// Letter keys are tested on the main window; these are the edges of the map.
TEST(ListKeyMap, DeleteOnPressOnlyKeypadEnterNeverNothingInTheSearchBoxOrWhileHeld)
{
    EXPECT_EQ(ActionForKey(Qt::Key_Delete, true, false, false), list_action::remove);
    EXPECT_EQ(ActionForKey(Qt::Key_Delete, false, false, false), std::nullopt);
    EXPECT_EQ(ActionForKey(Qt::Key_D, true, false, false), std::nullopt);
    EXPECT_EQ(ActionForKey(Qt::Key_Enter, false, false, false), std::nullopt);
    EXPECT_EQ(ActionForKey(Qt::Key_Space, false, false, false), list_action::copy);
    for (int key : { Qt::Key_V, Qt::Key_Delete }) {
        EXPECT_EQ(ActionForKey(key, key == Qt::Key_Delete, true, false), std::nullopt);
        EXPECT_EQ(ActionForKey(key, key == Qt::Key_Delete, false, true), std::nullopt);
    }
}

} // namespace
