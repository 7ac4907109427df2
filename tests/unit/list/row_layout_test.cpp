#include "history/content_record.h"
#include "history/row_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(RowLayout, PictureSizeFollowsTheRowHeightUpTo664Wide)
{
    EXPECT_EQ(row_layout::PictureSize({ 2000, 100 }, false), QSize(664, 33));
    EXPECT_EQ(row_layout::PictureSize({ 1920, 1080 }, false), QSize(355, 200));
    EXPECT_EQ(row_layout::PictureSize({ 1920, 1080 }, true), QSize(71, 40));
    EXPECT_EQ(row_layout::PictureSize({ 10000, 10 }, true), QSize(664, 0));
    EXPECT_TRUE(row_layout::PictureSize({}, false).isEmpty());
}

TEST(RowLayout, TextColumnsAtTheTopOrCentredPicturesCentredOrLeftWhenCompact)
{
    auto g = row_layout::Place(QRect(0, 100, 600, 113), content_text, false, 3, { 18, 18 }, true);
    EXPECT_EQ(g.flag, QRect(12, 110, 18, 18));
    EXPECT_EQ(g.bar, QRect(13, 131, 16, 3));
    EXPECT_EQ(g.body, QRect(QPoint(41, 110), QPoint(582, 202)));
    EXPECT_EQ(g.icon, QRect(569, 148, 16, 16));
    g = row_layout::Place(QRect(0, 0, 600, 49), content_text, true, 1, { 18, 18 }, false);
    EXPECT_EQ(g.flag.top(), 15);
    EXPECT_TRUE(g.bar.isEmpty());
    const QSize picture(664, 33);
    EXPECT_EQ(
        row_layout::Place({ 0, 0, 900, 200 }, content_image, false, 0, { 18, 18 }, false, picture)
            .body,
        QRect(128, 83, 664, 33));
    EXPECT_EQ(
        row_layout::Place({ 0, 0, 900, 40 }, content_image, true, 0, { 18, 18 }, false, picture)
            .body,
        QRect(41, 3, 664, 33));
}

} // namespace
