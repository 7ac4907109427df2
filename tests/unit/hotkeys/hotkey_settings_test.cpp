// From the hotkey settings to what the platform layer registers.
#include "core/settings_record.h"
#include "hotkeys/global_hotkey.h"
#include "hotkeys/hotkey_binding.h"
#include "hotkeys/hotkey_combination.h"
#include "hotkeys/hotkey_set.h"
#include "platform/fake/fake_layer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::mod::alt;
using platform::mod::ctrl;
using platform::mod::meta;
using platform::mod::shift;

std::optional<hotkey_combination> Parse(const char* text)
{
    return CombinationOf(HotkeySequence(text));
}

platform::fake_layer& InstallFake()
{
    auto fake = std::make_unique<platform::fake_layer>();
    platform::fake_layer& ref = *fake;
    platform::Install(std::move(fake));
    return ref;
}

TEST(HotkeyText, ModifiersInAnyCaseLettersDigitsFunctionKeysAndFixedSlots)
{
    EXPECT_EQ(Parse("alt+ctrl+shift+9"), (hotkey_combination { ctrl | alt | shift, '9' }));
    EXPECT_EQ(Parse("Meta+F5"), (hotkey_combination { meta, platform::vk::f1 + 4 }));
    // Nothing to register: empty, a bare modifier prefix, a key without a code.
    for (const char* text : { "", "Ctrl+Alt+", "Ctrl+Space", "Nonsense+Q" })
        EXPECT_FALSE(Parse(text)) << text;
    EXPECT_EQ(FixedSlotText("Ctrl+Shift+1~9", 9), "Ctrl+Shift+9");
    EXPECT_EQ(FixedSlotText("A+", 2), "A+2");
    EXPECT_EQ(FixedSlotText("", 5), "5");
    EXPECT_EQ(Parse(FixedSlotText("ALT+1~9", 4).c_str()), (hotkey_combination { alt, '4' }));
}

TEST(GlobalHotkey, RegistersWhileAliveAndFiresOnItsPress)
{
    platform::fake_layer& fake = InstallFake();
    int fired = 0;
    {
        global_hotkey hotkey(HotkeySequence("Ctrl+Alt+W"));
        ASSERT_TRUE(hotkey.isRegistered());
        QObject::connect(&hotkey, &global_hotkey::activated, [&] { ++fired; });
        EXPECT_TRUE(fake.PressHotkey(ctrl | alt, 'W'));
        EXPECT_FALSE(fake.PressHotkey(ctrl, 'W'));
        EXPECT_EQ(fired, 1);

        global_hotkey unparsable(HotkeySequence("Ctrl+"));
        EXPECT_FALSE(unparsable.isRegistered());
    }
    EXPECT_FALSE(fake.PressHotkey(ctrl | alt, 'W')) << "the destructor releases the keys";
    EXPECT_EQ(fired, 1);
    fake.refuse_hotkeys = true;
    EXPECT_FALSE(global_hotkey(HotkeySequence("Ctrl+Alt+W")).isRegistered());
}

// Which view and slot each press reports is followed through the main window.
TEST(HotkeySet, RegistersAllFiftyAgainOnEachCallReleasingTheOldKeys)
{
    platform::fake_layer& fake = InstallFake();
    hotkey_set set;
    settings_record settings;
    settings.hotkey_text = "Ctrl+Alt+W";
    settings.hotkey_file = "Ctrl+Alt+"; // no key: stays unregistered
    set.Register(settings);
    ASSERT_EQ(set.bindings().size(), 50u);
    EXPECT_TRUE(set.IsRegistered(1));
    EXPECT_FALSE(set.IsRegistered(3));
    settings.hotkey_text = "Ctrl+Alt+Y";
    set.Register(settings);
    EXPECT_FALSE(fake.PressHotkey(ctrl | alt, 'W'));
    EXPECT_TRUE(fake.PressHotkey(ctrl | alt, 'Y'));
}

} // namespace
