#include "core/message_ids.h"
#include "core/settings_record.h"
#include "tests/widgets/support/bus_log.h"
#include "widgets/imagetabwidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

namespace {

using Posts = std::vector<std::pair<std::int64_t, std::int64_t>>;

void Click(QWidget& widget, double x, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(x, 15), QPointF(x, 15), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

// The main window's strip, 50 pixels an area: all, text, image, file, favourites.
class ImageTabWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record {};
        strip.resize(250, 30);
        for (const auto& [image, value] : { std::pair { "all", 3 }, { "text", 0 }, { "image", 1 },
                 { "file", 2 }, { "collect", 4 } })
            strip.addArea(imagetabwidget::area::Make(
                QStringLiteral(":/image/%1_flag.png").arg(QLatin1String(image)), value));
    }
    imagetabwidget strip { msg_type_tab_chosen };
    bus_log log { msg_type_tab_chosen };
};

TEST_F(ImageTabWidget, AClickOnABoundaryPixelWithTheRightButtonOrOnAnEmptyStripDoesNothing)
{
    ASSERT_TRUE(strip.areaAt(4).pixmap);
    EXPECT_FALSE(strip.areaAt(4).pixmap->isNull());
    Click(strip, 50);
    Click(strip, 100);
    Click(strip, 75, Qt::RightButton);
    imagetabwidget empty(msg_type_tab_chosen);
    empty.resize(100, 30);
    Click(empty, 50);
    empty.grab(); // nothing to paint
    EXPECT_TRUE(log.posts.empty());
    EXPECT_EQ(strip.currentIndex(), 0u);
}

TEST_F(ImageTabWidget, ClicksPostTheAreaValueOnceButFavouritesEveryTime)
{
    Click(strip, 25); // already current
    Click(strip, 51);
    Click(strip, 150.6);
    EXPECT_EQ(strip.currentIndex(), 3u);
    Click(strip, 225);
    Click(strip, 225);
    EXPECT_EQ(log.posts, (Posts { { 0, 0 }, { 2, 0 }, { 4, 0 }, { 4, 0 } }));
}

TEST_F(ImageTabWidget, SelectValuePicksTheLastAreaCarryingItAndUnknownIndexesAreIgnored)
{
    strip.addArea(imagetabwidget::area::Make(QStringLiteral("extra"), 1, 1));
    strip.selectValue(1);
    EXPECT_EQ(strip.currentIndex(), 5u);
    strip.selectValue(99);
    EXPECT_EQ(strip.currentIndex(), 5u);
    strip.setArea(9, imagetabwidget::area::Make(QStringLiteral("x"), 7, 1));
    EXPECT_EQ(strip.areaCount(), 6u);
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

} // namespace
