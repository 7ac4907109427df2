#include "app/message_bus.h"
#include "app/message_ids.h"
#include "widgets/counter_button.h"

#include <gtest/gtest.h>

#include <memory>
#include <QWidget>

namespace {

const QStringList kEngines { QStringLiteral("B"), QStringLiteral("G") };

TEST(CounterButton, ShowsTheLabelOfTheStoredIndexAndCyclesThroughTheField)
{
    std::int64_t field = 1;
    counter_button button(&field, kEngines);
    EXPECT_EQ(button.text(), QStringLiteral("G"));
    button.click();
    EXPECT_EQ(field, 0);
    EXPECT_EQ(button.text(), QStringLiteral("B"));
    button.click();
    EXPECT_EQ(field, 1);
    EXPECT_EQ(button.size(), QSize(20, 20));
}

TEST(CounterButton, FourLabelsWrapAfterTheLast)
{
    std::int64_t field = 3;
    counter_button button(&field,
        { QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4") });
    EXPECT_EQ(button.text(), QStringLiteral("4"));
    button.click();
    EXPECT_EQ(field, 0);
    EXPECT_EQ(button.text(), QStringLiteral("1"));
}

TEST(CounterButton, AHandEditedIndexOutOfRangeStartsAtZero)
{
    std::int64_t too_big = 7;
    counter_button a(&too_big, kEngines);
    EXPECT_EQ(too_big, 0);
    EXPECT_EQ(a.text(), QStringLiteral("B"));

    std::int64_t negative = -3;
    counter_button b(&negative, kEngines);
    EXPECT_EQ(negative, 0);
    EXPECT_EQ(b.text(), QStringLiteral("B"));
}

TEST(CounterButton, AFieldChangedBehindItsBackStillCyclesWithinRange)
{
    std::int64_t field = 0;
    counter_button button(&field, kEngines);
    field = 42;
    button.click();
    EXPECT_EQ(field, 1);
    EXPECT_EQ(button.text(), QStringLiteral("G"));
}

TEST(CounterButton, NoLabelsMeansClicksDoNothing)
{
    std::int64_t field = 0;
    counter_button button(&field, {});
    button.click();
    EXPECT_EQ(field, 0);
    EXPECT_TRUE(button.text().isEmpty());
}

TEST(CounterButton, NightModeRestylesEveryCounterButtonInEveryWindow)
{
    std::int64_t a = 0;
    std::int64_t b = 1;
    QWidget first;
    QWidget second;
    auto* one = new counter_button(&a, kEngines, &first);
    auto* two = new counter_button(&b, kEngines, &second);

    bus::Post(msg_control_toggled, control_day_night_button, 0);
    EXPECT_EQ(one->styleSheet(), counter_button::LightSheet());
    EXPECT_EQ(two->styleSheet(), counter_button::LightSheet());

    bus::Post(msg_control_toggled, control_dark_mode_switch, 1);
    EXPECT_EQ(one->styleSheet(), counter_button::DarkSheet());
    EXPECT_EQ(two->styleSheet(), counter_button::DarkSheet());
}

TEST(CounterButton, OtherControlsLeaveTheStyleAlone)
{
    std::int64_t field = 0;
    counter_button button(&field, kEngines);
    const QString sheet = button.styleSheet();
    bus::Post(msg_control_toggled, control_recording_button, 0);
    bus::Post(msg_control_toggled, control_hotkey_enable_switch, 0);
    EXPECT_EQ(button.styleSheet(), sheet);
}

TEST(CounterButton, ADestroyedButtonNoLongerHearsTheBus)
{
    std::int64_t field = 0;
    auto button = std::make_unique<counter_button>(&field, kEngines);
    button.reset();
    // Would touch freed memory if the handler stayed registered (ASan run).
    bus::Post(msg_control_toggled, control_dark_mode_switch, 1);
    SUCCEED();
}

} // namespace
