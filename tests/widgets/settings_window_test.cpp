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
#include <QLabel>
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

QStringList Texts(const QList<QCheckBox*>& boxes)
{
    QStringList shown;
    for (const QCheckBox* box : boxes)
        shown << box->text();
    return shown;
}

TEST(SettingsWindow, ClosingPostsTheCopyOnceAndEveryControlWritesItsField)
{
    settings_record current;
    settings_store::FillAtWindowConstruction(current);
    applied_log applied;
    settings_widget window(nullptr, current);
    EXPECT_EQ(Texts(window.findChildren<QCheckBox*>()),
        QString::fromUtf8("文本 图片 文件 开机启动 全屏冻结 添加换行 跨屏粘贴 自动粘贴 图片预览 "
                          "折叠显示 自动折叠 自动隐藏 即时预览 即时搜索 移除格式")
            .split(QLatin1Char(' ')));

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
    EXPECT_EQ(window.slider_label(0)->text(), QString::fromUtf8("循环数目20:"));
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
    EXPECT_TRUE(window.hotkey_button()->toolTip().contains(QStringLiteral("Alt+Ctrl+Z")));
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
    WriteConfig(R"({"max_save_count": 800, "hotkey": "Meta+Alt+Q", "image_preview_scale": 7})");
    Open();
    TitleSwitch(QString::fromUtf8("点按此处开启夜间模式"))->click();
    ASSERT_TRUE(Settings().dark_mode);

    settings_widget* settings = ClickGear();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(settings->night_switch()->state(), 1);
    EXPECT_EQ(settings->slider(1)->value(), 500);
    EXPECT_EQ(settings->hotkey_button()->text(), QString::fromUtf8("热键 ➝ Win+Alt+Q"));
    EXPECT_EQ(settings->findChildren<counter_button*>()[0]->text(), QStringLiteral("1"));

    // A hotkey switched the view while the window was open: closing keeps it.
    Settings().show_content_type = content_text;
    settings->closeWidget();
    EXPECT_EQ(Settings().max_save_count, 500);
    EXPECT_EQ(Config().value(QLatin1String("max_save_count")).toInt(), 500);
    EXPECT_EQ(Settings().image_preview_scale, 0);
    EXPECT_EQ(Settings().show_content_type, content_text);
    EXPECT_TRUE(Settings().dark_mode);
}

TEST_F(MainWindowSettings, LoweringTheMaximumTrimsTheOldestButFavouritesOnceTheIndexIsWritten)
{
    WriteConfig(R"({"max_save_count": 10, "position": "10,10,450,600,"})");
    Open();
    Add({ "one", "two", "three", "*four", "five", "six", "seven", "*eight", "nine", "ten" });
    content_history& history = window->history();
    history.SaveContent();
    history.FinishWrites();
    const QString folder = history.ContentFolder();
    const auto exists
        = [&](int n) { return QFile::exists(folder + QStringLiteral("/%1.txt").arg(n)); };
    // A folder in the index's place: the index cannot be replaced.
    ASSERT_TRUE(QFile::remove(history.IndexPath()) && QDir().mkpath(history.IndexPath()));

    settings_widget* settings = ClickGear();
    settings->slider(1)->setValue(5);
    CheckBox(*settings, "自动折叠")->click();
    settings->closeWidget();
    history.FinishWrites();
    EXPECT_EQ(Rows(), (rows { "one", "two", "three", "four", "eight" }));
    // Still named by the index on disk, the trimmed files stay.
    for (int n : { 5, 6, 7, 9, 10 })
        EXPECT_TRUE(exists(n)) << n;

    ASSERT_TRUE(QDir().rmdir(history.IndexPath()));
    history.SaveContent();
    history.FinishWrites();
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(exists(n), n <= 4 || n == 8) << n;
    history.LoadContent();
    EXPECT_EQ(history.records.size(), 5u);

    // auto_fold switched on in a window under 500 wide folds the rows.
    EXPECT_TRUE(Settings().folded_now);
    EXPECT_TRUE(window->list()->listModel()->compact());
}

} // namespace
