// The hotkey editor as the user meets it: key presses in the popup, the page
// and type strips, the enable switch, and what reaches the bus on close.
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "history/content_record.h"
#include "hotkeys/hotkey_widget.h"
#include "tests/widgets/support/bus_log.h"
#include "widgets/image_tab_widget.h"
#include "widgets/switch_button.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

namespace {

using texts = std::vector<std::string>;

// The cycling and fixed-slot texts of each msg_hotkeys_edited.
struct edits_log : bus_copies<std::pair<texts, texts>> {
    edits_log()
        : bus_copies(msg_hotkeys_edited, [](std::int64_t a, std::int64_t b) {
            return std::make_pair(
                *reinterpret_cast<const texts*>(a), *reinterpret_cast<const texts*>(b));
        })
    {
    }
};

void ClickArea(image_tab_widget* strip, int area)
{
    const int width = strip->width() / static_cast<int>(strip->areaCount());
    QTest::mouseClick(
        strip, Qt::LeftButton, {}, QPoint(width * area + width / 2, strip->height() / 2));
}

TEST(HotkeyWidget, CapturesPerTypeAndPageAndPostsTheEditsOnClose)
{
    edits_log edited;
    bus_log toggled(msg_control_toggled);
    hotkey_widget editor(nullptr,
        { "Ctrl+Alt+Q", "Ctrl+Alt+W", "Ctrl+Alt+E", "Ctrl+Alt+R", "Ctrl+Alt+T" },
        { "Alt+1~9", "Ctrl+1~9", "Ctrl+Shift+1~9", "Alt+Shift+1~9", "Ctrl+Alt+1~9" }, true);
    editor.show();
    EXPECT_EQ(editor.size(), QSize(320, 220));
    EXPECT_EQ(editor.key_label()->text(), QStringLiteral("Ctrl+Alt+Q"));

    QTest::keyClick(&editor, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(editor.key_label()->text(), QStringLiteral("Alt+Ctrl+Q"));
    EXPECT_EQ(editor.page_strip()->areaAt(0).text, QStringLiteral("Alt+Ctrl+Q"));

    // The text type's fixed-slot page, chosen with the mouse.
    ClickArea(editor.type_strip(), 1);
    EXPECT_EQ(editor.key_label()->text(), QStringLiteral("Ctrl+Alt+W"));
    ClickArea(editor.page_strip(), 1);
    ASSERT_EQ(editor.edits().current_page(), hotkey_edits::fixed_slot_page);
    QTest::keyClick(&editor, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor.page_strip()->areaAt(1).text, QStringLiteral("Ctrl+Shift+1~9"));

    // The switch reports its new state; it never takes a key press.
    editor.enable_switch()->click();
    ASSERT_EQ(toggled.posts.size(), 1u);
    EXPECT_EQ(toggled.posts[0], std::make_pair(control_hotkey_enable_switch, std::int64_t { 0 }));

    editor.closeWidget();
    ASSERT_EQ(edited.posts.size(), 1u);
    const auto& [cycling, fixed_slot] = edited.posts[0];
    EXPECT_EQ(
        cycling, (texts { "Alt+Ctrl+Q", "Ctrl+Alt+W", "Ctrl+Alt+E", "Ctrl+Alt+R", "Ctrl+Alt+T" }));
    EXPECT_EQ(fixed_slot,
        (texts { "Alt+1~9", "Ctrl+Shift+1~9", "Ctrl+Shift+1~9", "Alt+Shift+1~9", "Ctrl+Alt+1~9" }));

    // A last press without a modifier: the close sends nothing.
    QTest::keyClick(&editor, Qt::Key_5);
    editor.closeWidget();
    EXPECT_EQ(edited.posts.size(), 1u);
}

} // namespace
