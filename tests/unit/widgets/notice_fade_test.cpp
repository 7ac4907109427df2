#include "hotkeys/notice_fade.h"

#include <gtest/gtest.h>

namespace {

TEST(NoticeFade, RisesFor35TicksThenFallsUntilBelowZero)
{
    notice_fade fade;
    int ticks = 0;
    while (fade.rising()) {
        ASSERT_TRUE(fade.Tick());
        ++ticks;
    }
    EXPECT_EQ(ticks, 35);
    EXPECT_EQ(fade.counter(), 35);
    while (fade.Tick())
        ++ticks;
    ++ticks; // the tick that finished it
    // 35 up, 36 down: about 3.5 seconds at 50 ms.
    EXPECT_EQ(ticks, 71);
    EXPECT_TRUE(fade.finished());
    EXPECT_EQ(fade.counter(), -1);
    EXPECT_FALSE(fade.Tick());
    EXPECT_EQ(fade.counter(), -1);
}

TEST(NoticeFade, TextIsBrighterThanTheBoxAndVanishesBelowZero)
{
    notice_fade fade;
    EXPECT_DOUBLE_EQ(fade.BoxOpacity(), 0.0);
    EXPECT_DOUBLE_EQ(fade.TextOpacity(), 0.2);
    for (int i = 0; i < 10; ++i)
        fade.Tick();
    EXPECT_DOUBLE_EQ(fade.BoxOpacity(), 0.5);
    EXPECT_NEAR(fade.TextOpacity(), 0.7, 1e-9);
    while (fade.Tick()) { }
    EXPECT_DOUBLE_EQ(fade.TextOpacity(), 0.0);
    EXPECT_DOUBLE_EQ(fade.BoxOpacity(), 0.0);
}

} // namespace
