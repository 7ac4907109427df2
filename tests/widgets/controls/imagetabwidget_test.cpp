#include "app/message_ids.h"
#include "app/settings_record.h"
#include "bus_log.h"
#include "widgets/imagetabwidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

namespace {

using Posts = std::vector<std::pair<std::int64_t, std::int64_t>>;

// The main window's strip: all, text, image, file, favourites.
void AddTypeAreas(imagetabwidget& strip)
{
    strip.addArea(imagetabwidget::area::Make(QStringLiteral(":/image/all_flag.png"), 3));
    strip.addArea(imagetabwidget::area::Make(QStringLiteral(":/image/text_flag.png"), 0));
    strip.addArea(imagetabwidget::area::Make(QStringLiteral(":/image/image_flag.png"), 1));
    strip.addArea(imagetabwidget::area::Make(QStringLiteral(":/image/file_flag.png"), 2));
    strip.addArea(imagetabwidget::area::Make(QStringLiteral(":/image/collect_flag.png"), 4));
}

void Click(QWidget& widget, double x, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(x, 15), QPointF(x, 15), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

class ImageTabWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record {};
        strip.resize(250, 30);
        AddTypeAreas(strip);
    }
    imagetabwidget strip { msg_type_tab_chosen };
    bus_log log { msg_type_tab_chosen };
};

TEST_F(ImageTabWidget, IsBuiltAsAPlainFormWithTheFlagImages)
{
    imagetabwidget fresh(10006);
    EXPECT_EQ(fresh.objectName(), QStringLiteral("imagetabwidget"));
    EXPECT_EQ(fresh.windowTitle(), QStringLiteral("Form"));
    EXPECT_EQ(fresh.size(), QSize(400, 300));
    EXPECT_EQ(fresh.currentIndex(), 0u);
    ASSERT_TRUE(strip.areaAt(4).pixmap);
    EXPECT_FALSE(strip.areaAt(4).pixmap->isNull());
}

TEST_F(ImageTabWidget, AClickOnABoundaryPixelDoesNothing)
{
    Click(strip, 50);
    Click(strip, 100);
    EXPECT_TRUE(log.posts.empty());
    EXPECT_EQ(strip.currentIndex(), 0u);
}

TEST_F(ImageTabWidget, AClickInsideAnAreaPostsItsValueAndMakesItCurrent)
{
    Click(strip, 51);
    Click(strip, 150.6);
    EXPECT_EQ(log.posts, (Posts { { 0, 0 }, { 2, 0 } }));
    EXPECT_EQ(strip.currentIndex(), 3u);
}

TEST_F(ImageTabWidget, TheCurrentAreaPostsNothingButFavouritesPostEveryTime)
{
    Click(strip, 25);
    EXPECT_TRUE(log.posts.empty());
    Click(strip, 225);
    Click(strip, 225);
    Click(strip, 225);
    EXPECT_EQ(log.posts, (Posts { { 4, 0 }, { 4, 0 }, { 4, 0 } }));
}

TEST_F(ImageTabWidget, OnlyTheLeftButtonCounts)
{
    Click(strip, 75, Qt::RightButton);
    EXPECT_TRUE(log.posts.empty());
}

TEST_F(ImageTabWidget, SelectValuePicksTheLastAreaCarryingIt)
{
    strip.addArea(imagetabwidget::area::Make(QStringLiteral("extra"), 1, 1));
    strip.selectValue(1);
    EXPECT_EQ(strip.currentIndex(), 5u);
    strip.selectValue(99);
    EXPECT_EQ(strip.currentIndex(), 5u);
}

TEST_F(ImageTabWidget, AreasBeyondTheEndAreEmptyAndCannotBeSet)
{
    const auto empty = strip.areaAt(9);
    EXPECT_FALSE(empty.pixmap);
    EXPECT_EQ(empty.value, 0);
    EXPECT_EQ(empty.mode, 0);
    EXPECT_TRUE(empty.text.isEmpty());
    strip.setArea(9, imagetabwidget::area::Make(QStringLiteral("x"), 7, 1));
    EXPECT_EQ(strip.areaCount(), 5u);
    strip.setArea(1, imagetabwidget::area::Make(QStringLiteral("Ctrl+1"), 8, 1));
    EXPECT_EQ(strip.areaAt(1).text, QStringLiteral("Ctrl+1"));
    EXPECT_EQ(strip.areaAt(1).value, 8);
}

TEST_F(ImageTabWidget, AHandlerMayRebuildTheStripWhileItsClickIsPosted)
{
    const bus::Token token
        = bus::Register(msg_type_tab_chosen, [this](std::int64_t, std::int64_t, std::int64_t) {
              strip.setArea(2, imagetabwidget::area::Make(QStringLiteral("t"), 5, 1));
              return std::int64_t { 0 };
          });
    Click(strip, 125);
    bus::Unregister(token);
    EXPECT_EQ(log.posts, (Posts { { 1, 0 } }));
    EXPECT_EQ(strip.currentIndex(), 2u);
}

TEST_F(ImageTabWidget, ThePaintedHighlightFollowsTheCurrentArea)
{
    auto pixel = [this](int x) {
        QImage image(strip.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        strip.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image.pixelColor(x, 2);
    };
    EXPECT_NE(pixel(25).alpha(), 0);
    EXPECT_EQ(pixel(75).alpha(), 0);
    Click(strip, 75);
    EXPECT_EQ(pixel(25).alpha(), 0);
    EXPECT_NE(pixel(75).alpha(), 0);

    Settings().dark_mode = true;
    EXPECT_LT(pixel(75).red(), 80);
}

TEST(ImageTabWidgetEmpty, AStripWithoutAreasPaintsAndIgnoresClicks)
{
    bus_log log(10008);
    imagetabwidget strip(10008);
    strip.resize(100, 30);
    Click(strip, 50);
    QImage image(strip.size(), QImage::Format_ARGB32);
    strip.render(&image);
    EXPECT_TRUE(log.posts.empty());
}

} // namespace
