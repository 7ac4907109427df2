// The main window's global hotkeys over the fake OS layer.
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "platform/fake/fake_layer.h"
#include "tests/widgets/support/main_window_fixture.h"
#include "widgets/image_tab_widget.h"

#include <algorithm>
#include <QClipboard>
#include <QGuiApplication>

namespace {

using platform::mod::alt;
using platform::mod::ctrl;

class MainWindowHotkeys : public main_window_test {
protected:
    void SetUp() override
    {
        main_window_test::SetUp();
        // Held throughout: the release never comes, so nothing is pasted.
        fake.held_modifiers = ctrl | alt;
    }
    void TearDown() override
    {
        window.reset();
        fake.held_modifiers = 0;
    }
    // The row the press left current and the text it put on the clipboard.
    std::pair<int, QString> Press(int modifiers, int key)
    {
        QGuiApplication::clipboard()->clear();
        EXPECT_TRUE(fake.PressHotkey(modifiers, key));
        return { window->list()->currentRow(), QGuiApplication::clipboard()->text() };
    }
    void Apply(bool enable_hotkey)
    {
        settings_record edited = Settings();
        edited.enable_hotkey = enable_hotkey;
        bus::Post(msg_settings_applied, reinterpret_cast<std::int64_t>(&edited), 0);
    }
    int Registrations() const
    {
        const std::vector<std::string> calls = fake.Calls();
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
            [](const std::string& call) { return call.rfind("RegisterHotkey", 0) == 0; }));
    }
    platform::fake_layer& fake = static_cast<platform::fake_layer&>(platform::Current());
};

TEST_F(MainWindowHotkeys, PressesStepWithinLoopCountSwitchViewsAndPickSlots)
{
    WriteConfig(R"({"loop_count": 2})");
    Open();
    Add({ "one", "file:///home/u/doc.txt", "two", "three" });
    window->list()->setCurrentRow(-1);
    window->hide();

    // All entries, no row current: rows 0 and 1, then back to the top.
    EXPECT_EQ(Press(ctrl | alt, 'Q'), std::make_pair(0, QStringLiteral("one")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Press(ctrl | alt, 'Q').first, 1);

    // The text hotkey switches to the text view at its top row.
    window->list()->setCurrentRow(1);
    EXPECT_EQ(Press(ctrl | alt, 'W'), std::make_pair(0, QStringLiteral("one")));
    EXPECT_EQ(Settings().show_content_type, content_text);
    EXPECT_EQ(window->tab_strip()->currentIndex(), 1u);

    EXPECT_EQ(Press(ctrl, '3'), std::make_pair(2, QStringLiteral("three")));
    // No image: the view switches, nothing is selected or copied.
    EXPECT_EQ(Press(ctrl | alt, 'E'), std::make_pair(-1, QString()));
    EXPECT_EQ(Settings().show_content_type, content_image);
}

TEST_F(MainWindowHotkeys, EnableHotkeyGatesRegistrationAndPresses)
{
    WriteConfig(R"({"enable_hotkey": false})");
    fake.ClearCalls();
    Open();
    Add({ "one", "two" });
    EXPECT_EQ(Registrations(), 0);
    EXPECT_FALSE(fake.PressHotkey(ctrl | alt, 'Q'));

    // Applied settings register all fifty.
    Apply(true);
    EXPECT_EQ(Registrations(), 50);
    // Row 0 is current in the view shown: the first press starts below it.
    EXPECT_EQ(Press(ctrl | alt, 'Q').second, QStringLiteral("two"));

    // Switched off: still registered, but a press does nothing.
    Apply(false);
    window->hide();
    EXPECT_EQ(Press(ctrl | alt, 'Q').second, QString());
    EXPECT_FALSE(window->isVisible());
}

} // namespace
