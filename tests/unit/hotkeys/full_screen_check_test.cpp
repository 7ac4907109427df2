// The full-screen rule: a window counts only when it covers a monitor
// exactly, and the desktop's own windows never do.
#include "hotkeys/full_screen_check.h"

#include <gtest/gtest.h>

namespace {

using platform::rect;
using platform::top_level_window;

const rect kPrimary { 0, 0, 1920, 1080 };
const rect kSecondary { 1920, -200, 1280, 1024 };

top_level_window Window(rect bounds, const char* class_name = "game")
{
    return top_level_window { 7, bounds, class_name };
}

TEST(FullScreenCheck, AWindowCountsOnlyWhenItCoversAMonitorExactlyAndIsNoPartOfTheDesktop)
{
    const std::vector<rect> monitors { kPrimary, kSecondary };
    // On the secondary monitor, below an ordinary window on the primary one.
    EXPECT_TRUE(
        FullScreenWindowShown(monitors, { Window({ 10, 10, 400, 300 }), Window(kSecondary) }));
    for (const rect off :
        { rect { 1, 0, 1920, 1080 }, rect { 0, 0, 1920, 1081 }, rect { 0, -200, 3200, 1280 } })
        EXPECT_FALSE(FullScreenWindowShown(monitors, { Window(off) })) << off.x << "," << off.width;
    EXPECT_FALSE(FullScreenWindowShown(monitors, { Window(kPrimary, "Progman") }));
    top_level_window dock = Window(kSecondary);
    dock.desktop_or_dock = true;
    EXPECT_FALSE(FullScreenWindowShown(monitors, { dock }));
    // An excluded window on top does not hide a full-screen one below it.
    EXPECT_TRUE(FullScreenWindowShown(monitors, { dock, Window(kPrimary) }));
}

} // namespace
