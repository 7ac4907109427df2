#include "widgets/image_tab_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>

namespace {

using Values = std::vector<qint64>;

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
        strip.resize(250, 30);
        for (const auto& [image, value] : { std::pair { "all", 3 }, { "text", 0 }, { "image", 1 },
                 { "file", 2 }, { "favourite", 4 } })
            strip.addArea(image_tab_widget::area::Make(
                QStringLiteral(":/image/%1_flag.png").arg(QLatin1String(image)), value));
    }
    Values Chosen() const
    {
        Values values;
        for (const QList<QVariant>& arguments : chosen)
            values.push_back(arguments[0].toLongLong());
        return values;
    }

    image_tab_widget strip;
    QSignalSpy chosen { &strip, &image_tab_widget::chosen };
};

TEST_F(ImageTabWidget, ARightClickOrAClickOnAnEmptyStripDoesNothing)
{
    Click(strip, 75, Qt::RightButton);
    EXPECT_TRUE(chosen.isEmpty());
    image_tab_widget empty;
    QSignalSpy empty_chosen(&empty, &image_tab_widget::chosen);
    empty.resize(100, 30);
    Click(empty, 50);
    empty.grab(); // nothing to paint
    EXPECT_TRUE(empty_chosen.isEmpty());
}

TEST_F(ImageTabWidget, ClicksReportEachAreaValueOnceButFavouritesEveryTime)
{
    Click(strip, 25); // already current
    Click(strip, 51);
    Click(strip, 225);
    Click(strip, 225);
    Click(strip, 10);
    EXPECT_EQ(Chosen(), (Values { 0, 4, 4, 3 }));
    EXPECT_EQ(strip.currentIndex(), 0u);
}

TEST_F(ImageTabWidget, SelectValuePicksTheLastAreaCarryingItAndUnknownIndexesAreIgnored)
{
    strip.addArea(image_tab_widget::area::Make(QStringLiteral("extra"), 1, 1));
    strip.selectValue(1);
    EXPECT_EQ(strip.currentIndex(), 5u);
    strip.setArea(9, image_tab_widget::area::Make(QStringLiteral("x"), 7, 1));
    EXPECT_EQ(strip.areaCount(), 6u);
}

TEST_F(ImageTabWidget, AReceiverMayRebuildTheStripWhileItsClickIsReported)
{
    QObject::connect(&strip, &image_tab_widget::chosen, &strip,
        [this] { strip.setArea(2, image_tab_widget::area::Make(QStringLiteral("t"), 5, 1)); });
    Click(strip, 125);
    EXPECT_EQ(Chosen(), (Values { 1 }));
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

    EXPECT_GT(pixel(75).red(), 200);
    strip.SetDark(true);
    EXPECT_LT(pixel(75).red(), 80);
}

} // namespace
