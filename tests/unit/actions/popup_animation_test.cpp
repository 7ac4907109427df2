// The popups' fade and slide, the title-bar buttons of a mask and the size
// of a pinned picture.
#include "actions/popup_animation.h"
#include "actions/popup_frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<popup_animation::tick> RunToEnd(popup_animation& animation)
{
    std::vector<popup_animation::tick> ticks;
    do
        ticks.push_back(animation.Next());
    while (!ticks.back().done && ticks.size() < 100);
    return ticks;
}

TEST(PopupAnimation, ShowFadesInOverElevenTicksEndingThirtyThreePixelsLower)
{
    popup_animation animation;
    animation.StartShow(QPoint(100, 200));
    const auto ticks = RunToEnd(animation);
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_DOUBLE_EQ(ticks.front().opacity, 0.0);
    EXPECT_DOUBLE_EQ(ticks.back().opacity, 1.0);
    EXPECT_EQ(ticks.front().position, QPoint(100, 203));
    EXPECT_EQ(ticks.back().position, QPoint(100, 233));
    EXPECT_EQ(animation.position(), QPoint(100, 233));
}

TEST(PopupAnimation, CloseFadesOutOverTenTicksSlidingThirtyPixelsUp)
{
    popup_animation animation;
    animation.StartShow(QPoint(0, 0));
    RunToEnd(animation);
    animation.StartClose();
    const auto ticks = RunToEnd(animation);
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_DOUBLE_EQ(ticks.front().opacity, 1.0);
    EXPECT_NEAR(ticks.back().opacity, 0.1, 1e-9);
    EXPECT_EQ(ticks.front().position, QPoint(0, 30));
    EXPECT_EQ(ticks.back().position, QPoint(0, 3));
}

TEST(PopupAnimation, ShowDuringAFadeOutStartsFromTransparent)
{
    popup_animation animation;
    animation.StartShow(QPoint(0, 0));
    RunToEnd(animation);
    animation.StartClose();
    animation.Next();
    animation.Next();
    animation.StartShow(QPoint(5, 5));
    const auto ticks = RunToEnd(animation);
    EXPECT_EQ(ticks.size(), 11u);
    EXPECT_DOUBLE_EQ(ticks.front().opacity, 0.0);
    EXPECT_EQ(ticks.back().position, QPoint(5, 38));
}

TEST(PopupFrame, ButtonsByMaskInMinimiseMaximiseCloseOrder)
{
    using popup_frame::Buttons;
    EXPECT_TRUE(Buttons(0).empty());
    EXPECT_TRUE(Buttons(popup_frame::no_title_bar).empty());
    EXPECT_EQ(Buttons(1), std::vector<popup_frame::button>({ popup_frame::close }));
    EXPECT_EQ(Buttons(7),
        std::vector<popup_frame::button>(
            { popup_frame::minimise, popup_frame::maximise, popup_frame::close }));
    EXPECT_EQ(Buttons(5),
        std::vector<popup_frame::button>({ popup_frame::minimise, popup_frame::close }));
    // Other bits name no button.
    EXPECT_EQ(Buttons(1 | 8 | 32), std::vector<popup_frame::button>({ popup_frame::close }));
}

TEST(PinnedImageSize, SmallPicturesGrowTo88HighKeepingTheirShape)
{
    using popup_frame::PinnedImageSize;
    EXPECT_EQ(PinnedImageSize(QSize(300, 200)), QSize(300, 200));
    EXPECT_EQ(PinnedImageSize(QSize(300, 45)), QSize(300, 45));
    EXPECT_EQ(PinnedImageSize(QSize(100, 44)), QSize(200, 88));
    EXPECT_EQ(PinnedImageSize(QSize(10, 30)), QSize(29, 88)); // 29.33 truncated
    // A picture that did not load must not divide by zero.
    EXPECT_EQ(PinnedImageSize(QSize(0, 0)), QSize(0, 0));
}

} // namespace
