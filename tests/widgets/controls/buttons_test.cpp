// The title row's buttons: a switch_button reports its state on each click, a
// counter_button cycles through its labels and reports the new index.
#include "widgets/counter_button.h"
#include "widgets/switch_button.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace {

const QStringList kTips { QStringLiteral("start"), QStringLiteral("pause") };
const QStringList kImages { QStringLiteral("off.png"), QStringLiteral("on.png") };

std::vector<int> Reported(const QSignalSpy& spy)
{
    std::vector<int> values;
    for (const QList<QVariant>& arguments : spy)
        values.push_back(arguments[0].toInt());
    return values;
}

TEST(SwitchButton, ASelfAdvancingSwitchReportsOneZeroOneAnotherItsUnchangedState)
{
    switch_button button(kTips, kImages, true);
    QSignalSpy toggled(&button, &switch_button::toggled);
    button.click();
    button.click();
    button.click();
    EXPECT_EQ(Reported(toggled), (std::vector<int> { 1, 0, 1 }));
    EXPECT_EQ(button.toolTip(), QStringLiteral("pause"));
    EXPECT_TRUE(button.styleSheet().contains(QStringLiteral("url(:/image/on.png)")));

    switch_button language(kTips, kImages, false);
    QSignalSpy language_toggled(&language, &switch_button::toggled);
    language.setState(1); // the owner's word, not a click: reports nothing
    language.click();
    language.click();
    EXPECT_EQ(Reported(language_toggled), (std::vector<int> { 1, 1 }));
}

const QStringList kEngines { QStringLiteral("B"), QStringLiteral("G") };

TEST(CounterButton, ShowsTheSetIndexAndClicksCycleAndReportIt)
{
    counter_button button(kEngines);
    QSignalSpy changed(&button, &counter_button::indexChanged);
    button.setIndex(1);
    EXPECT_EQ(button.text(), QStringLiteral("G"));
    button.click();
    EXPECT_EQ(button.text(), QStringLiteral("B"));
    button.click();
    EXPECT_EQ(Reported(changed), (std::vector<int> { 0, 1 }));
}

// An index edited by hand in the settings file shows and reports zero.
TEST(CounterButton, IndexesOutOfRangeShowZeroAndAnEmptyButtonNeverReports)
{
    counter_button button(kEngines);
    QSignalSpy changed(&button, &counter_button::indexChanged);
    button.setIndex(1);
    button.setIndex(7);
    EXPECT_EQ(button.text(), QStringLiteral("B"));
    button.click();
    EXPECT_EQ(Reported(changed), (std::vector<int> { 1 }));
    counter_button empty({});
    QSignalSpy empty_changed(&empty, &counter_button::indexChanged);
    empty.setIndex(3);
    empty.click();
    EXPECT_TRUE(empty.text().isEmpty());
    EXPECT_TRUE(empty_changed.isEmpty());
}

} // namespace
