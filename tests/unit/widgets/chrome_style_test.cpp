#include "widgets/chrome_style.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleRowMargins, NarrowWindowsKeepSmallFixedMargins)
{
    EXPECT_EQ(chrome_style::TitleRowMargins(764, 900), QMargins(10, 0, 8, 0));
    EXPECT_EQ(chrome_style::TitleRowMargins(380, 900), QMargins(10, 0, 8, 0));
}

TEST(TitleRowMargins, WideWindowsPushTheButtonsInwardUpTo120)
{
    EXPECT_EQ(chrome_style::TitleRowMargins(765, 900), QMargins(2, 0, 0, 0));
    EXPECT_EQ(chrome_style::TitleRowMargins(900, 900), QMargins(70, 0, 68, 0));
    EXPECT_EQ(chrome_style::TitleRowMargins(1000, 900), QMargins(120, 0, 118, 0));
    EXPECT_EQ(chrome_style::TitleRowMargins(1920, 900), QMargins(120, 0, 118, 0));
}

TEST(ChromeLook, NormalAndMaximisedInBothThemes)
{
    const auto light = chrome_style::LookFor(false, false);
    EXPECT_EQ(light.max_button, "max");
    EXPECT_EQ(light.close_button, "close");
    EXPECT_FALSE(light.square_close);
    EXPECT_EQ(light.outer, QMargins(2, 2, 2, 2));
    EXPECT_EQ(light.inner, QMargins(1, 1, 1, 1));
    EXPECT_EQ(light.frame_margin, 8);
    EXPECT_EQ(light.frame_flag, 1);

    const auto dark_max = chrome_style::LookFor(true, true);
    EXPECT_EQ(dark_max.min_button, "dark_min");
    EXPECT_EQ(dark_max.max_button, "dark_restore");
    EXPECT_EQ(dark_max.close_button, "dark_close");
    EXPECT_TRUE(dark_max.square_close);
    EXPECT_EQ(dark_max.outer, QMargins());
    EXPECT_EQ(dark_max.frame_margin, 0);
    EXPECT_EQ(dark_max.frame_flag, 0);
}

TEST(WindowButtonSheet, NamesTheThreeStateImages)
{
    EXPECT_EQ(chrome_style::WindowButtonSheet(QStringLiteral("max")),
        QStringLiteral("QPushButton{border:none;}"
                       "QPushButton{background-image:url(:/image/max.png);}"
                       "QPushButton:hover{background-image:url(:/image/max_h.png);}"
                       "QPushButton:pressed{background-image:url(:/image/max_d.png);}"));
    const QString square = chrome_style::WindowButtonSheet(QStringLiteral("dark_close"), true);
    EXPECT_TRUE(square.contains(QStringLiteral("url(:/image/dark_close.png)")));
    EXPECT_TRUE(square.contains(QStringLiteral("url(:/image/dark_close_h_square.png)")));
    EXPECT_TRUE(square.contains(QStringLiteral("url(:/image/dark_close_d_square.png)")));
}

TEST(BodyColour, MaximisedWindowsAreOpaque)
{
    EXPECT_EQ(chrome_style::BodyColor(false, 1), QColor(173, 173, 173, 233));
    EXPECT_EQ(chrome_style::BodyColor(false, 0), QColor(255, 255, 255, 255));
    EXPECT_EQ(chrome_style::BodyColor(true, 1), QColor(66, 66, 66, 188));
    EXPECT_EQ(chrome_style::BodyColor(true, 0), QColor(66, 66, 66, 255));
}

} // namespace
