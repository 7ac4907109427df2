// Global hotkeys and synthesised keys, through the real input path.
#include "platform/win/win_layer.h"
#include "tests/win/win_test_window.h"

#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

namespace platform {
namespace {

using testing::Pump;
using testing::PumpUntil;
using testing::test_window;

constexpr int kQ = 'Q';
constexpr int kF8 = VK_F8;

// Gives a hotkey that should not fire the chance to fire anyway.
void PumpAWhile()
{
    for (int i = 0; i < 30; ++i) {
        Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Makes window the foreground window with the keyboard focus. Wine's X11
// driver resets the key state to X's own when the focus events of a new
// window arrive: they must come before any key is held.
void Focus(win_layer& layer, const test_window& window)
{
    ASSERT_TRUE(layer.BringToFront(window.id()));
    SetFocus(window.handle());
    ASSERT_TRUE(PumpUntil(
        [&] { return layer.ForegroundWindow() == window.id() && GetFocus() == window.handle(); }));
    PumpAWhile();
}

void Press(win_layer& layer, std::initializer_list<int> modifiers, int key)
{
    for (int m : modifiers)
        layer.SendKey(m, true);
    layer.SendKey(key, true);
    layer.SendKey(key, false);
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m)
        layer.SendKey(*m, false);
}

TEST(WinHotkeys, FireOnceAPerKeysAndModifiersTakenOnceAndContainThrows)
{
    win_layer layer;
    test_window focus;
    ASSERT_NO_FATAL_FAILURE(Focus(layer, focus));

    int fired = 0, shifted = 0, plain = 0;
    const int id = layer.RegisterHotkey(mod::ctrl | mod::alt, kQ, [&] { ++fired; });
    ASSERT_GT(id, 0);
    EXPECT_EQ(layer.RegisterHotkey(mod::ctrl | mod::alt, kQ, [] {}), 0);
    ASSERT_GT(layer.RegisterHotkey(mod::shift, kF8, [&] { ++shifted; }), 0);
    ASSERT_GT(layer.RegisterHotkey(0, kF8, [&] { ++plain; }), 0);
    bool ran = false;
    ASSERT_GT(layer.RegisterHotkey(mod::ctrl | mod::shift, kF8,
                  [&] {
                      ran = true;
                      throw std::runtime_error("from a hotkey");
                  }),
        0);

    Press(layer, { vk::ctrl, vk::alt }, kQ);
    Press(layer, { vk::ctrl }, kQ); // other modifiers: other keys
    Press(layer, { vk::shift }, kF8);
    Press(layer, {}, kF8);
    Press(layer, { vk::ctrl, vk::shift }, kF8);
    ASSERT_TRUE(PumpUntil([&] { return fired && shifted && plain && ran; }));
    PumpAWhile();
    EXPECT_EQ(fired + shifted + plain, 3);

    layer.UnregisterHotkey(id);
    Press(layer, { vk::ctrl, vk::alt }, kQ);
    PumpAWhile();
    EXPECT_EQ(fired, 1);
    layer.UnregisterHotkey(id); // twice: nothing happens

    // Released keys can be taken again, under a new id.
    const int second = layer.RegisterHotkey(mod::ctrl | mod::alt, kQ, [&] { ++fired; });
    EXPECT_NE(second, id);
    Press(layer, { vk::ctrl, vk::alt }, kQ);
    EXPECT_TRUE(PumpUntil([&] { return fired == 2; }));
    // The layer's destructor releases what is still registered.
}

TEST(WinKeys, SynthesisedKeysReachTheFocusedWindowWithHeldModifiers)
{
    win_layer layer;
    test_window window;
    ASSERT_NO_FATAL_FAILURE(Focus(layer, window));

    // The asynchronous key state follows the input a moment later: wait for
    // it, as the program's release poll does.
    layer.SendKey(vk::ctrl, true);
    layer.SendKey(vk::shift, true);
    EXPECT_TRUE(PumpUntil([&] { return layer.HeldModifiers() == (mod::ctrl | mod::shift); }));
    layer.SendKey(vk::v, true);
    layer.SendKey(vk::v, false);
    layer.SendKey(vk::shift, false);
    layer.SendKey(vk::ctrl, false);
    layer.SendKey(vk::enter, true);
    layer.SendKey(vk::enter, false);
    const std::vector<std::string> expected { "down 17", "down 16", "down 86", "up 86", "up 16",
        "up 17", "down 13", "up 13" };
    EXPECT_TRUE(PumpUntil([&] { return window.keys().size() >= expected.size(); }));
    EXPECT_EQ(window.keys(), expected);
    EXPECT_TRUE(PumpUntil([&] { return layer.HeldModifiers() == 0; }));

    // Alt with a key between press and release, so no menu opens.
    layer.SendKey(vk::alt, true);
    EXPECT_TRUE(PumpUntil([&] { return layer.HeldModifiers() == mod::alt; }));
    layer.SendKey(vk::v, true);
    layer.SendKey(vk::v, false);
    layer.SendKey(vk::alt, false);
    EXPECT_TRUE(PumpUntil([&] { return layer.HeldModifiers() == 0; }));
}

} // namespace
} // namespace platform
