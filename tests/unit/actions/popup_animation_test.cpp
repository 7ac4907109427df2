#include "actions/popup_animation.h"
#include "actions/popup_frame.h"

#include <gtest/gtest.h>

namespace {

int RunToEnd(popup_animation& animation)
{
    int ticks = 1;
    while (!animation.Next().done && ticks < 100)
        ++ticks;
    return ticks;
}

TEST(PopupAnimation, AShowDuringAFadeOutStartsAgainFromTransparent)
{
    popup_animation animation;
    animation.StartShow(QPoint(0, 0));
    EXPECT_EQ(RunToEnd(animation), 11);
    animation.StartClose();
    EXPECT_DOUBLE_EQ(animation.Next().opacity, 1.0);
    animation.StartShow(QPoint(5, 5));
    EXPECT_DOUBLE_EQ(animation.Next().opacity, 0.0);
    EXPECT_EQ(RunToEnd(animation), 10);
    EXPECT_EQ(animation.position(), QPoint(5, 38));
}

TEST(PinnedImageSize, SmallPicturesGrowTo88HighAndOnesThatDidNotLoadDivideNothing)
{
    EXPECT_EQ(popup_frame::PinnedImageSize(QSize(10, 30)), QSize(29, 88));
    EXPECT_EQ(popup_frame::PinnedImageSize(QSize(0, 0)), QSize(0, 0));
}

} // namespace
