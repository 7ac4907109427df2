#include "actions/alert_widget.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QImage>

namespace {

std::vector<alert_widget*> VisibleNotices(QWidget& window)
{
    std::vector<alert_widget*> visible;
    for (alert_widget* notice : window.findChildren<alert_widget*>())
        if (notice->isVisible())
            visible.push_back(notice);
    return visible;
}

TEST(AlertWidget, OneNoticeAtATimePerWindowCentredUntilItsLifeEnds)
{
    QWidget window;
    QWidget other;
    window.resize(800, 600);
    window.show();
    other.show();
    alert_widget* first = alert_widget::Show(&window, QStringLiteral("已选择显示文本"), false);
    alert_widget::Show(&other, QStringLiteral("b"), false);
    alert_widget* second = alert_widget::Show(&window, QStringLiteral("已选择显示图片"), false);
    EXPECT_NE(first, second);
    EXPECT_EQ(VisibleNotices(window), std::vector<alert_widget*> { second });
    EXPECT_EQ(VisibleNotices(other).size(), 1u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.findChildren<alert_widget*>().size(), 1);
    EXPECT_EQ(alert_widget::Show(nullptr, QStringLiteral("x"), false), nullptr);

    // Centred while it lives; hidden after its life, even on a late tick.
    alert_widget* notice
        = alert_widget::Show(&window, QStringLiteral("本地列表已与云上同步"), true);
    for (int i = 0; i < 70; ++i)
        notice->Tick();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->geometry(), QRect(240, 10, 320, 38));
    window.resize(1001, 600);
    notice->Tick();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(notice->geometry(), QRect(340, 10, 320, 38));
    notice->Tick();
    EXPECT_FALSE(notice->isVisible());
}

TEST(AlertWidget, PaintsTheBoxInTheThemeItWasLastGiven)
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    alert_widget* notice = alert_widget::Show(&window, QStringLiteral("x"), false);
    for (int i = 0; i < 20; ++i)
        notice->Tick();
    auto box = [notice] {
        QImage image(notice->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        notice->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image.pixelColor(30, 19); // left of the text
    };
    EXPECT_GT(box().red(), 200);
    notice->SetDark(true);
    EXPECT_LT(box().red(), 100);
}

} // namespace
