// The settings window alone, and opened from the main window's gear.
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "core/settings_store.h"
#include "hotkeys/hotkey_widget.h"
#include "tests/widgets/support/bus_log.h"
#include "tests/widgets/support/main_window_fixture.h"
#include "widgets/counter_button.h"
#include "widgets/settings_widget.h"
#include "widgets/switch_button.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

using texts = std::vector<std::string>;

// The records msg_settings_applied pointed at.
struct applied_log : bus_copies<settings_record> {
    applied_log()
        : bus_copies(msg_settings_applied, [](std::int64_t a, std::int64_t) {
            return *reinterpret_cast<const settings_record*>(a);
        })
    {
    }
};

QCheckBox* CheckBox(const QWidget& window, const char* text)
{
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
        if (box->text() == QString::fromUtf8(text))
            return box;
    return nullptr;
}

TEST(SettingsWindow, ClosingPostsTheCopyOnceAndEveryControlWritesItsField)
{
    settings_record current;
    settings_store::FillAtWindowConstruction(current);
    applied_log applied;
    settings_widget window(nullptr, current);

    // Untouched: the copy as it came, once, however often Esc is pressed.
    window.ShowPopup();
    window.closeWidget();
    window.closeWidget();
    ASSERT_EQ(applied.posts.size(), 1u);
    EXPECT_TRUE(applied.posts[0] == current);

    window.Load(current);
    window.ShowPopup();
    CheckBox(window, "图片")->click();
    CheckBox(window, "自动折叠")->click();
    const auto counters = window.findChildren<counter_button*>();
    ASSERT_EQ(counters.size(), 2);
    counters[0]->click(); // preview scale "2" -> "3"
    counters[1]->click(); // "G" -> "B"
    window.slider(0)->setValue(20);
    window.night_switch()->click();
    // The hotkey button opens the editor on the copy's texts; its edits come back.
    window.hotkey_button()->click();
    hotkey_widget* editor = window.hotkey_editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->edits().cycling(),
        (texts { "Ctrl+Alt+Q", "Ctrl+Alt+W", "Ctrl+Alt+E", "Ctrl+Alt+R", "Ctrl+Alt+T" }));
    editor->enable_switch()->click();
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    editor->closeWidget();
    EXPECT_EQ(window.hotkey_button()->text(), QString::fromUtf8("热键 ➝ Alt+Ctrl+Z"));
    window.closeWidget();

    ASSERT_EQ(applied.posts.size(), 2u);
    const settings_record& edited = applied.posts[1];
    EXPECT_FALSE(edited.save_image_type);
    EXPECT_TRUE(edited.auto_fold);
    EXPECT_EQ(edited.image_preview_scale, 2);
    EXPECT_EQ(edited.search_path, 0);
    EXPECT_EQ(edited.loop_count, 20);
    EXPECT_TRUE(edited.dark_mode);
    EXPECT_FALSE(edited.enable_hotkey);
    EXPECT_EQ(edited.hotkey, "Alt+Ctrl+Z");
    EXPECT_EQ(edited.hotkey_text, "Ctrl+Alt+W");
}

class MainWindowSettings : public main_window_test {
protected:
    settings_widget* ClickGear()
    {
        window->findChild<QPushButton*>(QStringLiteral("settings_button"))->click();
        return window->settings_window();
    }
};

TEST_F(MainWindowSettings, GearOpensTheWindowWithTheSettingsAsTheyAreAndClosingAppliesWhatItShows)
{
    WriteConfig(R"({"max_save_count": 800, "image_preview_scale": 7})");
    Open();
    TitleSwitch(QString::fromUtf8("点按此处开启夜间模式"))->click();
    ASSERT_TRUE(Settings().dark_mode);

    settings_widget* settings = ClickGear();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(settings->night_switch()->state(), 1);
    EXPECT_EQ(settings->slider(1)->value(), 500);

    // A hotkey switched the view while the window was open: closing keeps it.
    Settings().show_content_type = content_text;
    settings->closeWidget();
    EXPECT_EQ(Settings().max_save_count, 500);
    EXPECT_EQ(Config().value(QLatin1String("max_save_count")).toInt(), 500);
    EXPECT_EQ(Settings().image_preview_scale, 0);
    EXPECT_EQ(Settings().show_content_type, content_text);
    EXPECT_TRUE(Settings().dark_mode);
}

} // namespace
