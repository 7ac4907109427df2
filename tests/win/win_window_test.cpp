// The source window of a copy and the paste target, on real Win32 windows.
#include "platform/win/win_layer.h"
#include "tests/win/win_test_window.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace platform {
namespace {

using testing::Pump;
using testing::PumpUntil;
using testing::test_window;

TEST(WinWindows, BringToFrontSwitchesTheForegroundWindowAndItsTitleIsCutAt259Units)
{
    win_layer layer;
    test_window other;
    test_window::options o;
    // 5 UTF-16 units (the clipboard sign is a surrogate pair), then 300 more.
    o.title = L"\U0001F4CB \u00E9 " + std::wstring(300, L'x');
    test_window window(o);
    for (const test_window* w : { &window, &other, &window }) {
        ASSERT_TRUE(layer.BringToFront(w->id()));
        ASSERT_TRUE(PumpUntil([&] { return layer.ForegroundWindow() == w->id(); }));
    }
    EXPECT_FALSE(layer.BringToFront(0));
    EXPECT_EQ(layer.WindowTitle(window.id()), "\xF0\x9F\x93\x8B \xC3\xA9 " + std::string(254, 'x'));

    // The 259th unit is the first half of a pair: it cannot stand alone.
    SetWindowTextW(window.handle(), (std::wstring(258, L'y') + L"\U0001F4CB").c_str());
    EXPECT_EQ(layer.WindowTitle(window.id()), std::string(258, 'y') + "\xEF\xBF\xBD");

    SetWindowTextW(window.handle(), L"");
    EXPECT_EQ(layer.WindowTitle(window.id()), "");
    EXPECT_EQ(layer.WindowTitle(0), "");
}

TEST(WinWindows, FocusedChildOfTheTarget)
{
    win_layer layer;
    test_window parent;
    test_window::options o;
    o.parent = parent.handle();
    o.bounds = { 10, 10, 200, 40 };
    test_window first(o);
    o.bounds = { 10, 50, 200, 80 };
    test_window second(o);
    ASSERT_TRUE(layer.BringToFront(parent.id()));
    SetFocus(second.handle());
    Pump();
    EXPECT_EQ(layer.FocusedChild(parent.id()), second.id());
    SetFocus(first.handle());
    Pump();
    EXPECT_EQ(layer.FocusedChild(parent.id()), first.id());
    EXPECT_EQ(layer.FocusedChild(0), 0u);
}

TEST(WinWindows, TopmostShowsAndHidesWithoutActivatingAndNoActivateSticks)
{
    win_layer layer;
    test_window focused;
    ASSERT_TRUE(layer.BringToFront(focused.id()));
    ASSERT_TRUE(PumpUntil([&] { return layer.ForegroundWindow() == focused.id(); }));

    test_window::options o;
    o.style = WS_POPUP;
    o.show = false;
    test_window pinned(o);
    layer.SetNoActivate(pinned.id());

    layer.SetTopmost(pinned.id(), rect { 30, 40, 220, 110 }, true);
    Pump();
    EXPECT_TRUE(IsWindowVisible(pinned.handle()));
    EXPECT_TRUE(GetWindowLongPtrW(pinned.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT r {};
    GetWindowRect(pinned.handle(), &r);
    EXPECT_EQ(
        (rect { r.left, r.top, r.right - r.left, r.bottom - r.top }), (rect { 30, 40, 220, 110 }));
    EXPECT_EQ(layer.ForegroundWindow(), focused.id());
    // The styles survive the move: still no activation.
    EXPECT_TRUE(GetWindowLongPtrW(pinned.handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);

    layer.SetTopmost(pinned.id(), rect { 30, 40, 220, 110 }, false);
    Pump();
    EXPECT_FALSE(IsWindowVisible(pinned.handle()));
    EXPECT_EQ(layer.ForegroundWindow(), focused.id());
    layer.SetTopmost(0, rect {}, true); // no window: nothing happens
}

TEST(WinWindows, IconOfTheWindowsProgramSavedAsPng)
{
    win_layer layer;
    test_window window;
    const std::string path = "quillbox_test_icon.png";
    std::remove(path.c_str());
    ASSERT_TRUE(layer.SaveWindowIconPng(window.id(), path));
    std::string head(8, '\0');
    std::ifstream(path, std::ios::binary).read(head.data(), 8);
    std::remove(path.c_str());
    EXPECT_EQ(head, std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_FALSE(layer.SaveWindowIconPng(0, path));
}

} // namespace
} // namespace platform
