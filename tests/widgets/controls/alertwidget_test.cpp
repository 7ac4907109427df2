#include "app/settings_record.h"
#include "hotkeys/alertwidget.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>

namespace {

std::vector<alertwidget*> VisibleNotices(QWidget& window)
{
    std::vector<alertwidget*> visible;
    for (alertwidget* notice : window.findChildren<alertwidget*>())
        if (notice->isVisible())
            visible.push_back(notice);
    return visible;
}

void DropDeleted()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(AlertWidget, SitsTenPixelsBelowTheTopCentredOverItsWindow)
{
    QWidget window;
    window.resize(800, 600);
    alertwidget notice(&window, QStringLiteral("已选择显示文本"));
    EXPECT_EQ(notice.geometry(), QRect(240, 10, 320, 38));
    EXPECT_EQ(notice.text(), QStringLiteral("已选择显示文本"));
}

TEST(AlertWidget, FollowsTheWindowWhenItIsResized)
{
    QWidget window;
    window.resize(800, 600);
    alertwidget notice(&window, QStringLiteral("x"));
    window.resize(1001, 600);
    notice.Tick();
    EXPECT_EQ(notice.geometry(), QRect(340, 10, 320, 38));
}

TEST(AlertWidget, ANewNoticeReplacesThePreviousOneOfTheSameWindow)
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    alertwidget* first = alertwidget::Show(&window, QStringLiteral("已选择显示文本"));
    alertwidget* second = alertwidget::Show(&window, QStringLiteral("已选择显示图片"));
    EXPECT_EQ(VisibleNotices(window), std::vector<alertwidget*> { second });
    EXPECT_NE(first, second);
    DropDeleted();
    EXPECT_EQ(window.findChildren<alertwidget*>().size(), 1);
    EXPECT_EQ(second->text(), QStringLiteral("已选择显示图片"));
}

TEST(AlertWidget, WindowsKeepTheirOwnNotices)
{
    QWidget a;
    QWidget b;
    a.show();
    b.show();
    alertwidget::Show(&a, QStringLiteral("a"));
    alertwidget::Show(&b, QStringLiteral("b"));
    EXPECT_EQ(VisibleNotices(a).size(), 1u);
    EXPECT_EQ(VisibleNotices(b).size(), 1u);
}

TEST(AlertWidget, RisesThenFallsAndHidesAfterItsLife)
{
    QWidget window;
    window.resize(800, 600);
    window.show();
    alertwidget* notice = alertwidget::Show(&window, QStringLiteral("本地列表已与云上同步"));
    ASSERT_TRUE(notice->isVisible());
    for (int i = 0; i < 70; ++i)
        notice->Tick();
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->fade().counter(), 0);
    notice->Tick();
    EXPECT_FALSE(notice->isVisible());
    // Further ticks (a late timer event) keep it hidden.
    notice->Tick();
    EXPECT_FALSE(notice->isVisible());
}

TEST(AlertWidget, PaintsInBothThemesAtEveryStage)
{
    QWidget window;
    window.resize(400, 100);
    alertwidget notice(&window, QStringLiteral("已选择全部显示"));
    QImage image(notice.size(), QImage::Format_ARGB32);
    for (int i = 0; i < 72; ++i) {
        Settings().dark_mode = i % 2 == 0;
        image.fill(Qt::transparent);
        notice.render(&image);
        notice.Tick();
    }
    Settings() = settings_record {};
}

TEST(AlertWidget, NoWindowNoNotice)
{
    EXPECT_EQ(alertwidget::Show(nullptr, QStringLiteral("x")), nullptr);
}

} // namespace
