// The title row's buttons: a switchbutton posts its state on each click, a
// counter_button cycles a settings field through its labels.
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "tests/widgets/support/bus_log.h"
#include "widgets/counter_button.h"
#include "widgets/switchbutton.h"

#include <gtest/gtest.h>

#include <memory>
#include <QWidget>

namespace {

using Posts = std::vector<std::pair<std::int64_t, std::int64_t>>;

const QStringList kTips { QStringLiteral("start"), QStringLiteral("pause") };
const QStringList kImages { QStringLiteral("off.png"), QStringLiteral("on.png") };

TEST(SwitchButton, ASelfAdvancingSwitchPostsOneZeroOneAnotherItsUnchangedState)
{
    bus_log log(msg_control_toggled);
    switchbutton button(control_recording_button, kTips, kImages, true);
    button.click();
    button.click();
    button.click();
    EXPECT_EQ(button.state(), 1);
    EXPECT_EQ(button.toolTip(), QStringLiteral("pause"));
    EXPECT_TRUE(button.styleSheet().contains(QStringLiteral("url(:/image/on.png)")));

    switchbutton language(control_language_button, kTips, kImages, false);
    language.setState(1);
    language.click();
    language.click();
    EXPECT_EQ(log.posts, (Posts { { 0, 1 }, { 0, 0 }, { 0, 1 }, { 1, 1 }, { 1, 1 } }));
}

TEST(SwitchButton, AStateWithoutAnImageKeepsTheLookAndAdvancesBackToZero)
{
    bus_log log(msg_control_toggled);
    switchbutton button(7, kTips, kImages, true);
    const QString sheet = button.styleSheet();
    button.setState(-1);
    EXPECT_EQ(button.styleSheet(), sheet);
    button.setState(5);
    EXPECT_EQ(button.state(), 5);
    EXPECT_EQ(button.styleSheet(), sheet);
    EXPECT_EQ(button.toolTip(), QStringLiteral("start"));
    // 5 + 1 is past the end: the cycle restarts rather than running on.
    button.click();
    switchbutton bare(9, {}, {}, true);
    bare.click();
    EXPECT_EQ(log.posts, (Posts { { 7, 0 }, { 9, 0 } }));
}

const QStringList kEngines { QStringLiteral("B"), QStringLiteral("G") };

TEST(CounterButton, ShowsTheStoredIndexAndClicksCycleThroughTheField)
{
    std::int64_t field = 1;
    counter_button button(&field, kEngines);
    EXPECT_EQ(button.text(), QStringLiteral("G"));
    button.click();
    EXPECT_EQ(field, 0);
    EXPECT_EQ(button.text(), QStringLiteral("B"));
    button.click();
    EXPECT_EQ(field, 1);
}

TEST(CounterButton, IndexesOutOfRangeRestartAtZero)
{
    // Edited by hand in the settings file, or behind the button's back.
    for (std::int64_t stored : { 7, -3 }) {
        std::int64_t field = stored;
        counter_button button(&field, kEngines);
        EXPECT_EQ(field, 0) << stored;
        EXPECT_EQ(button.text(), QStringLiteral("B")) << stored;
        field = stored;
        button.click();
        EXPECT_EQ(field, 1) << stored;
        EXPECT_EQ(button.text(), QStringLiteral("G")) << stored;
    }
    std::int64_t field = 0;
    counter_button empty(&field, {});
    empty.click(); // no labels, nothing to cycle through
    EXPECT_TRUE(empty.text().isEmpty());
}

TEST(CounterButton, OnlyThemeSwitchesRestyleEveryButtonWhileItLives)
{
    std::int64_t a = 0;
    std::int64_t b = 1;
    QWidget window;
    auto* one = new counter_button(&a, kEngines, &window);
    counter_button two(&b, kEngines);
    auto gone = std::make_unique<counter_button>(&a, kEngines);
    gone.reset(); // a post reaching it would touch freed memory (ASan run)

    bus::Post(msg_control_toggled, control_day_night_button, 0);
    EXPECT_EQ(one->styleSheet(), counter_button::LightSheet());
    EXPECT_EQ(two.styleSheet(), counter_button::LightSheet());
    bus::Post(msg_control_toggled, control_recording_button, 1);
    bus::Post(msg_control_toggled, control_hotkey_enable_switch, 1);
    EXPECT_EQ(one->styleSheet(), counter_button::LightSheet());
    bus::Post(msg_control_toggled, control_dark_mode_switch, 1);
    EXPECT_EQ(one->styleSheet(), counter_button::DarkSheet());
    EXPECT_EQ(two.styleSheet(), counter_button::DarkSheet());
}

} // namespace
