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

TEST(SwitchButton, AStateWithoutAnImageKeepsTheLookAndAdvancesBackToZero)
{
    switch_button button(kTips, kImages, true);
    QSignalSpy toggled(&button, &switch_button::toggled);
    const QString sheet = button.styleSheet();
    button.setState(-1);
    EXPECT_EQ(button.styleSheet(), sheet);
    button.setState(5);
    EXPECT_EQ(button.state(), 5);
    EXPECT_EQ(button.styleSheet(), sheet);
    EXPECT_EQ(button.toolTip(), QStringLiteral("start"));
    // 5 + 1 is past the end: the cycle restarts rather than running on.
    button.click();
    switch_button bare({}, {}, true);
    QSignalSpy bare_toggled(&bare, &switch_button::toggled);
    bare.click();
    EXPECT_EQ(Reported(toggled), (std::vector<int> { 0 }));
    EXPECT_EQ(Reported(bare_toggled), (std::vector<int> { 0 }));
}

const QStringList kEngines { QStringLiteral("B"), QStringLiteral("G") };

TEST(CounterButton, ShowsTheSetIndexAndClicksCycleAndReportIt)
{
    counter_button button(kEngines);
    QSignalSpy changed(&button, &counter_button::indexChanged);
    EXPECT_EQ(button.text(), QStringLiteral("B"));
    button.setIndex(1);
    EXPECT_EQ(button.text(), QStringLiteral("G"));
    button.click();
    EXPECT_EQ(button.index(), 0);
    EXPECT_EQ(button.text(), QStringLiteral("B"));
    button.click();
    EXPECT_EQ(Reported(changed), (std::vector<int> { 0, 1 }));
}

TEST(CounterButton, IndexesOutOfRangeShowAndReportZero)
{
    // Edited by hand in the settings file.
    for (int stored : { 7, 2, -3 }) {
        counter_button button(kEngines);
        QSignalSpy changed(&button, &counter_button::indexChanged);
        button.setIndex(1);
        button.setIndex(stored);
        EXPECT_EQ(button.index(), 0) << stored;
        EXPECT_EQ(button.text(), QStringLiteral("B")) << stored;
        button.click();
        EXPECT_EQ(Reported(changed), (std::vector<int> { 1 })) << stored;
        EXPECT_EQ(button.text(), QStringLiteral("G")) << stored;
    }
    counter_button empty({});
    QSignalSpy changed(&empty, &counter_button::indexChanged);
    empty.setIndex(3);
    empty.click(); // no labels, nothing to cycle through
    EXPECT_EQ(empty.index(), 0);
    EXPECT_TRUE(empty.text().isEmpty());
    EXPECT_TRUE(changed.isEmpty());
}

} // namespace
