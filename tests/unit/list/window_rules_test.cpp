#include "app/bubble_decoration.h"
#include "app/theme_sheets.h"
#include "app/title_drag.h"
#include "app/view_choice.h"
#include "app/window_animation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(ViewChoice, FavouritesTabWalksTheSevenOrdersBackToDefault)
{
    auto c = view_choice::Choose(4, 3, 0);
    EXPECT_EQ(c.show_content_type, 4);
    EXPECT_EQ(c.collect_sort_type, 0); // the first click only shows favourites
    EXPECT_EQ(c.notice, QStringLiteral("已选择显示收藏 - 默认"));
    const char* const names[7]
        = { " - 默认", " - [文本、图片、文件]", " - [文本、文件、图片]", " - [图片、文本、文件]",
              " - [图片、文件、文本]", " - [文件、文本、图片]", " - [文件、图片、文本]" };
    for (int click = 1; click <= 7; ++click) {
        c = view_choice::Choose(4, c.show_content_type, c.collect_sort_type);
        EXPECT_EQ(c.collect_sort_type, click % 7);
        EXPECT_EQ(c.notice, QStringLiteral("已选择显示收藏") + QString::fromUtf8(names[click % 7]));
    }
}

TEST(ViewChoice, OtherTabsKeepTheOrderAndNameTheirType)
{
    EXPECT_EQ(view_choice::Choose(0, 4, 3).notice, QStringLiteral("已选择显示文本"));
    EXPECT_EQ(view_choice::Choose(1, 4, 3).collect_sort_type, 3);
    EXPECT_EQ(view_choice::Choose(2, 3, 0).notice, QStringLiteral("已选择显示文件"));
    EXPECT_EQ(view_choice::Choose(3, 0, 0).notice, QStringLiteral("已选择全部显示"));
    EXPECT_EQ(view_choice::Choose(1, 0, 0).show_content_type, 1);
    // A hand-edited order past the table is the default, never an index past it.
    EXPECT_EQ(view_choice::Choose(0, 3, 9).collect_sort_type, 0);
    EXPECT_EQ(view_choice::Choose(4, 4, 9).collect_sort_type, 1);
    EXPECT_EQ(view_choice::OrderName(-1), QStringLiteral(" - 默认"));
}

TEST(WindowAnimation, ShowFadesInOverElevenTicksAndHideRisesFiftyFive)
{
    window_animation show;
    show.Start(true, false, { 100, 200 });
    std::vector<window_animation::tick> ticks;
    do
        ticks.push_back(show.Next());
    while (!ticks.back().done && ticks.size() < 50);
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_DOUBLE_EQ(ticks.front().opacity, 0.0);
    EXPECT_EQ(ticks.front().position, QPoint(100, 155));
    EXPECT_DOUBLE_EQ(ticks.back().opacity, 1.0);
    EXPECT_EQ(ticks.back().position, QPoint(100, 205));

    window_animation hide;
    hide.Start(false, false, { 100, 200 });
    ticks.clear();
    do
        ticks.push_back(hide.Next());
    while (!ticks.back().done && ticks.size() < 50);
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_DOUBLE_EQ(ticks.front().opacity, 1.0);
    EXPECT_NEAR(ticks.back().opacity, 0.0, 1e-9);
    EXPECT_EQ(ticks.back().position, QPoint(100, 145));

    // Never above the screen's top edge.
    window_animation top;
    top.Start(false, true, { 0, 10 });
    for (int i = 0; i < 11; ++i)
        EXPECT_GE(top.Next().position.y(), 0);
}

TEST(TitleDrag, StripIsTheTop44PixelsLeftOfTheButtons)
{
    EXPECT_TRUE(title_drag::InStrip({ 0, 0 }, 900));
    EXPECT_TRUE(title_drag::InStrip({ 755, 43 }, 900));
    EXPECT_FALSE(title_drag::InStrip({ 756, 10 }, 900));
    EXPECT_FALSE(title_drag::InStrip({ 10, 44 }, 900));

    title_drag drag;
    EXPECT_FALSE(drag.Press({ 800, 10 }, { 900, 110 }, { 100, 100 }, 900));
    EXPECT_FALSE(drag.dragging());
    ASSERT_TRUE(drag.Press({ 50, 10 }, { 150, 110 }, { 100, 100 }, 900));
    EXPECT_EQ(drag.Target({ 170, 100 }), QPoint(120, 90));
    drag.Release();
    EXPECT_FALSE(drag.dragging());
}

TEST(TitleDrag, RestoringAMaximisedWindowPutsItsMiddleUnderAFarPointer)
{
    title_drag drag;
    ASSERT_TRUE(drag.Press({ 1500, 10 }, { 1500, 10 }, { 0, 0 }, 1920));
    // Pointer where the narrower window's buttons would be: re-anchored.
    const auto moved = drag.Restored(900, { 1500, 12 });
    ASSERT_TRUE(moved);
    EXPECT_EQ(*moved, QPoint(450, 12));
    EXPECT_EQ(drag.Target({ 1500, 12 }), QPoint(1050, 0));
    title_drag near;
    ASSERT_TRUE(near.Press({ 100, 10 }, { 100, 10 }, { 0, 0 }, 1920));
    EXPECT_FALSE(near.Restored(900, { 100, 10 }));
}

TEST(BubbleDecoration, FiftyBubblesInsideTheSquare)
{
    std::mt19937 generator(7);
    const auto bubbles = bubble_decoration::Make(generator);
    ASSERT_EQ(bubbles.size(), 50u);
    for (const auto& b : bubbles) {
        EXPECT_GE(b.radius, 20);
        EXPECT_LE(b.radius, 149);
        EXPECT_GE(b.centre.x() - b.radius, 0);
        EXPECT_LE(b.centre.y() + b.radius, 4999);
        EXPECT_LE(b.colour.alpha(), 15);
    }
}

TEST(ThemeSheets, FileIsReadUpToItsFirstZeroByte)
{
    QTemporaryDir folder;
    EXPECT_EQ(theme_sheets::ThemeFilePath(folder.path(), true), folder.filePath("dark.qss"));
    EXPECT_FALSE(theme_sheets::ReadThemeFile(folder.filePath("gray.qss")));
    QFile file(folder.filePath("gray.qss"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("QLabel{color:red;}\0junk", 23));
    file.close();
    EXPECT_EQ(*theme_sheets::ReadThemeFile(file.fileName()), QStringLiteral("QLabel{color:red;}"));
    EXPECT_NE(theme_sheets::TrayMenu(true), theme_sheets::TrayMenu(false));
    EXPECT_TRUE(theme_sheets::ListMenu(false).contains(QStringLiteral("width:134px")));
}

} // namespace
