// The source window of a copy and the paste target, on real Win32 windows.
#include "platform/win/win_layer.h"
#include "tests/win/win_test_window.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace platform {
namespace {

using testing::Pump;
using testing::PumpUntil;
using testing::test_window;

TEST(WinWindows, ForegroundWindowAndItsTitleCutAt259Units)
{
    win_layer layer;
    test_window::options o;
    // 5 UTF-16 units (the clipboard sign is a surrogate pair), then 300 more.
    o.title = L"\U0001F4CB \u00E9 " + std::wstring(300, L'x');
    test_window window(o);
    ASSERT_TRUE(layer.BringToFront(window.id()));
    ASSERT_TRUE(PumpUntil([&] { return layer.ForegroundWindow() == window.id(); }));
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

TEST(WinWindows, BringToFrontSwitchesTheForegroundWindow)
{
    win_layer layer;
    test_window a;
    test_window b;
    ASSERT_TRUE(layer.BringToFront(a.id()));
    ASSERT_TRUE(PumpUntil([&] { return layer.ForegroundWindow() == a.id(); }));
    ASSERT_TRUE(layer.BringToFront(b.id()));
    EXPECT_TRUE(PumpUntil([&] { return layer.ForegroundWindow() == b.id(); }));
    ASSERT_TRUE(layer.BringToFront(a.id()));
    EXPECT_TRUE(PumpUntil([&] { return layer.ForegroundWindow() == a.id(); }));
    EXPECT_FALSE(layer.BringToFront(0));
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
    EXPECT_TRUE(GetWindowLongPtrW(pinned.handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);

    layer.SetTopmost(pinned.id(), rect { 30, 40, 220, 110 }, true);
    Pump();
    EXPECT_TRUE(IsWindowVisible(pinned.handle()));
    EXPECT_TRUE(GetWindowLongPtrW(pinned.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT r {};
    GetWindowRect(pinned.handle(), &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 220);
    EXPECT_EQ(r.bottom - r.top, 110);
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
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_TRUE(file);
    unsigned char head[8] = {};
    const size_t read = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    std::remove(path.c_str());
    ASSERT_EQ(read, sizeof head);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(head), 8), "\x89PNG\r\n\x1a\n");
    EXPECT_FALSE(layer.SaveWindowIconPng(0, path));
}

} // namespace
} // namespace platform
