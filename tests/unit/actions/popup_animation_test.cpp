// The popups' fade and slide, the title-bar buttons of a mask and the size
// of a pinned picture.
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

TEST(PopupFrame, ButtonsByMaskInMinimiseMaximiseCloseOrder)
{
    using buttons = std::vector<popup_frame::button>;
    EXPECT_TRUE(popup_frame::Buttons(popup_frame::no_title_bar).empty());
    EXPECT_EQ(popup_frame::Buttons(7),
        (buttons { popup_frame::minimise, popup_frame::maximise, popup_frame::close }));
    EXPECT_EQ(
        popup_frame::Buttons(5 | 8 | 32), (buttons { popup_frame::minimise, popup_frame::close }));
}

TEST(PinnedImageSize, SmallPicturesGrowTo88HighKeepingTheirShape)
{
    using popup_frame::PinnedImageSize;
    EXPECT_EQ(PinnedImageSize(QSize(300, 45)), QSize(300, 45));
    EXPECT_EQ(PinnedImageSize(QSize(10, 30)), QSize(29, 88)); // 29.33 truncated
    EXPECT_EQ(PinnedImageSize(QSize(0, 0)), QSize(0, 0)); // did not load: no division by zero
}

} // namespace
