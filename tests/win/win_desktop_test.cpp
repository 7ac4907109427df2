// Monitors and visible top-level windows: what the full-screen check reads.
#include "platform/win/win_layer.h"
#include "tests/win/win_test_window.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::Pump;
using testing::test_window;

const top_level_window* Find(const std::vector<top_level_window>& windows, WindowId id)
{
    const auto found = std::find_if(
        windows.begin(), windows.end(), [&](const top_level_window& w) { return w.id == id; });
    return found == windows.end() ? nullptr : &*found;
}

TEST(WinDesktop, TheScreenAndVisibleWindowsWithRectanglesAndClassNamesTopmostFirst)
{
    win_layer layer;
    const std::vector<rect> monitors = layer.Monitors();
    ASSERT_EQ(monitors.size(), 1u);
    const rect monitor = monitors[0];
    EXPECT_EQ(
        monitor, (rect { 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN) }));

    test_window::options o;
    o.class_name = L"quillbox_full_screen_test";
    o.style = WS_POPUP;
    o.bounds = { monitor.x, monitor.y, monitor.x + monitor.width, monitor.y + monitor.height };
    test_window full_screen(o);

    o.class_name = L"quillbox_hidden_test";
    o.show = false;
    test_window hidden(o);

    o.class_name = L"quillbox_topmost_test";
    o.ex_style = WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    o.bounds = { 10, 10, 110, 60 };
    o.show = true;
    test_window topmost(o);
    Pump();

    std::vector<top_level_window> windows = layer.VisibleTopLevelWindows();
    const top_level_window* listed = Find(windows, full_screen.id());
    ASSERT_NE(listed, nullptr);
    EXPECT_EQ(listed->bounds, monitor);
    EXPECT_EQ(listed->class_name, "quillbox_full_screen_test");
    EXPECT_EQ(Find(windows, hidden.id()), nullptr);
    const top_level_window* above = Find(windows, topmost.id());
    ASSERT_NE(above, nullptr);
    EXPECT_EQ(above->bounds, (rect { 10, 10, 100, 50 }));
    EXPECT_LT(above, listed) << "topmost windows come first";
    for (const top_level_window& w : windows)
        EXPECT_TRUE(IsWindowVisible(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(w.id))));

    ShowWindow(full_screen.handle(), SW_HIDE);
    ShowWindow(hidden.handle(), SW_SHOWNOACTIVATE);
    Pump();
    windows = layer.VisibleTopLevelWindows();
    EXPECT_EQ(Find(windows, full_screen.id()), nullptr);
    ASSERT_NE(Find(windows, hidden.id()), nullptr);
    EXPECT_EQ(Find(windows, hidden.id())->class_name, "quillbox_hidden_test");
}

} // namespace
} // namespace platform
