#include "app/message_ids.h"
#include "bus_log.h"
#include "widgets/switchbutton.h"

#include <gtest/gtest.h>

namespace {

using Posts = std::vector<std::pair<std::int64_t, std::int64_t>>;

TEST(SwitchButton, TwoStateSelfAdvancingSwitchPostsOneZeroOne)
{
    bus_log log(msg_control_toggled);
    switchbutton button(control_recording_button,
        { QStringLiteral("start"), QStringLiteral("pause") },
        { QStringLiteral("off.png"), QStringLiteral("on.png") }, true);
    button.click();
    button.click();
    button.click();
    EXPECT_EQ(log.posts, (Posts { { 0, 1 }, { 0, 0 }, { 0, 1 } }));
    EXPECT_EQ(button.state(), 1);
    EXPECT_EQ(button.toolTip(), QStringLiteral("pause"));
    EXPECT_TRUE(button.styleSheet().contains(QStringLiteral("url(:/image/on.png)")));
}

TEST(SwitchButton, ButtonThatDoesNotAdvancePostsItsUnchangedState)
{
    bus_log log(msg_control_toggled);
    switchbutton button(control_language_button,
        { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") },
        { QStringLiteral("english.png"), QStringLiteral("chinese.png"),
            QStringLiteral("korean.png") },
        false);
    button.setState(2);
    button.click();
    button.click();
    EXPECT_EQ(log.posts, (Posts { { 1, 2 }, { 1, 2 } }));
    EXPECT_EQ(button.toolTip(), QStringLiteral("c"));
}

TEST(SwitchButton, EveryStateStyleUsesTheSameImageForNormalHoverAndPressed)
{
    switchbutton button(control_day_night_button,
        { QStringLiteral("day"), QStringLiteral("night") },
        { QStringLiteral("sun.png"), QStringLiteral("moon.png") }, true);
    const QString sheet = button.styleSheet();
    EXPECT_EQ(sheet.count(QStringLiteral("url(:/image/sun.png)")), 3);
    EXPECT_TRUE(sheet.contains(QStringLiteral("border:none")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("QPushButton:hover")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("QPushButton:pressed")));
    EXPECT_FALSE(QPixmap(QStringLiteral(":/image/sun.png")).isNull());
}

TEST(SwitchButton, AStateWithoutAnImageIsStoredButKeepsTheLook)
{
    switchbutton button(7, { QStringLiteral("a"), QStringLiteral("b") },
        { QStringLiteral("off.png"), QStringLiteral("on.png") }, true);
    const QString sheet = button.styleSheet();
    button.setState(5);
    EXPECT_EQ(button.state(), 5);
    EXPECT_EQ(button.styleSheet(), sheet);
    EXPECT_EQ(button.toolTip(), QStringLiteral("a"));
    button.setState(-1);
    EXPECT_EQ(button.styleSheet(), sheet);
}

TEST(SwitchButton, AnOutOfRangeStateAdvancesBackToZero)
{
    bus_log log(msg_control_toggled);
    switchbutton button(7, { QStringLiteral("a"), QStringLiteral("b") },
        { QStringLiteral("off.png"), QStringLiteral("on.png") }, true);
    button.setState(5);
    button.click();
    // 5 + 1 is past the end: the cycle restarts rather than running on.
    EXPECT_EQ(log.posts, (Posts { { 7, 0 } }));
}

TEST(SwitchButton, ASwitchWithoutStatesStillPosts)
{
    bus_log log(msg_control_toggled);
    switchbutton button(9, {}, {}, true);
    button.click();
    EXPECT_EQ(log.posts, (Posts { { 9, 0 } }));
}

} // namespace
