#include "history/content_record.h"
#include "history/row_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(RowLayout, PictureSizeFollowsTheRowHeightUpTo664Wide)
{
    EXPECT_EQ(row_layout::PictureSize({ 2000, 100 }, false), QSize(664, 33));
    EXPECT_EQ(row_layout::PictureSize({ 400, 400 }, false), QSize(200, 200));
    EXPECT_EQ(row_layout::PictureSize({ 1920, 1080 }, false), QSize(355, 200));
    EXPECT_EQ(row_layout::PictureSize({ 1920, 1080 }, true), QSize(71, 40));
    EXPECT_EQ(row_layout::PictureSize({ 10000, 10 }, true), QSize(664, 0));
    EXPECT_TRUE(row_layout::PictureSize({}, false).isEmpty());
}

TEST(RowLayout, RowHeights)
{
    EXPECT_EQ(row_layout::SizeHint(content_image, false, 21, 0), QSize(200, 200));
    EXPECT_EQ(row_layout::SizeHint(content_image, true, 21, 0), QSize(200, 40));
    // A compact text is one line: one line spacing + 28.
    EXPECT_EQ(row_layout::SizeHint(content_text, true, 21, 1), QSize(200, 49));
    EXPECT_EQ(row_layout::SizeHint(content_file, false, 21, 3), QSize(200, 113));
    EXPECT_EQ(row_layout::SizeHint(content_text, false, 21, 5), QSize(200, 155));
}

TEST(RowLayout, FlagBarTextAndIconPlaces)
{
    const QRect row(0, 100, 600, 113);
    auto g = row_layout::Place(row, content_text, false, 3, { 18, 18 }, true);
    // Several lines: the column sits at the top, 5 below the row margin.
    EXPECT_EQ(g.flag, QRect(12, 110, 18, 18));
    EXPECT_EQ(g.bar, QRect(13, 131, 16, 3));
    EXPECT_EQ(g.body.left(), 12 + 18 + row_layout::column_gap + 5);
    EXPECT_EQ(g.body.right(), 600 - 1 - 12 - 5);
    EXPECT_EQ(g.icon, QRect(600 - 15 - 16, 100 + (113 - 16) / 2, 16, 16));

    // One line: the column is centred and the bar follows the flag closely.
    g = row_layout::Place(QRect(0, 0, 600, 49), content_text, true, 1, { 18, 18 }, true);
    EXPECT_EQ(g.flag.top(), (49 - 21) / 2);
    EXPECT_EQ(g.bar.top(), g.flag.bottom() + 1);
    EXPECT_TRUE(row_layout::Place(row, content_text, false, 3, { 18, 18 }, false).bar.isEmpty());

    // A picture is centred in the row, or left when compact.
    g = row_layout::Place(
        QRect(0, 0, 900, 200), content_image, false, 0, { 18, 18 }, false, { 664, 33 });
    EXPECT_EQ(g.body.size(), QSize(664, 33));
    EXPECT_EQ(g.body.top(), (200 - 33) / 2);
    EXPECT_EQ(g.flag.topLeft(), QPoint(12, 15));
    g = row_layout::Place(
        QRect(0, 0, 900, 40), content_image, true, 0, { 18, 18 }, false, { 71, 40 });
    EXPECT_EQ(g.body, QRect(12 + 18 + row_layout::column_gap + 5, 0, 71, 40));
}

} // namespace
