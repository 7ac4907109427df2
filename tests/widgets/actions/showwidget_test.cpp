// The popup base on the offscreen platform: buttons by mask, the fade and
// slide with its end positions, the title-strip drag, Esc, topmost at the end.
#include "actions/popup_frame.h"
#include "actions/showwidget.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

platform::FakePlatform& Fake()
{
    return static_cast<platform::FakePlatform&>(platform::Current());
}

bool Settle(const showwidget& popup)
{
    return QTest::qWaitFor([&popup] { return !popup.animating(); }, 5000);
}

void SendMouse(QWidget& w, QEvent::Type type, const QPoint& local, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, w.mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

class ShowWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        anchor.setGeometry(100, 50, 900, 700);
        anchor.show();
        Fake().ClearCalls();
    }
    QWidget anchor;
};

TEST_F(ShowWidget, ButtonsFollowTheMask)
{
    showwidget all(7, &anchor);
    for (int which : { popup_frame::close, popup_frame::maximise, popup_frame::minimise })
        EXPECT_NE(all.title_button(which), nullptr) << which;
    EXPECT_EQ(all.title_button(popup_frame::close)->shortcut(), QKeySequence(Qt::Key_Escape));
    EXPECT_EQ(all.title_button(popup_frame::close)->size(), QSize(48, 32));

    showwidget bare(popup_frame::no_title_bar, &anchor);
    EXPECT_TRUE(bare.findChildren<QPushButton*>().isEmpty());
    EXPECT_EQ(bare.parentWidget(), nullptr);
    EXPECT_TRUE(bare.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(bare.testAttribute(Qt::WA_TranslucentBackground));
}

TEST_F(ShowWidget, ShowFadesInBelowTheCentreAndEndsTopmost)
{
    showwidget popup(1, &anchor);
    popup.resize(260, 160);
    popup.ShowPopup();
    EXPECT_TRUE(popup.isVisible());
    EXPECT_LT(popup.windowOpacity(), 0.5);
    ASSERT_TRUE(Settle(popup));
    // Centred at (420, 290), then 11 ticks of 3 pixels down.
    EXPECT_EQ(popup.pos(), QPoint(420, 323));
    EXPECT_DOUBLE_EQ(popup.windowOpacity(), 1.0);
    const auto calls = Fake().Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("SetTopmost", 0), 0u) << calls.back();
}

TEST_F(ShowWidget, DraggedPopupFadesOutFromItsShownPosition)
{
    showwidget popup(1, &anchor);
    popup.resize(260, 160);
    popup.ShowPopup();
    ASSERT_TRUE(Settle(popup));
    const QPoint shown = popup.pos();

    SendMouse(popup, QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton);
    SendMouse(popup, QEvent::MouseMove, QPoint(70, 60), Qt::LeftButton);
    SendMouse(popup, QEvent::MouseButtonRelease, QPoint(70, 60), Qt::NoButton);
    EXPECT_EQ(popup.pos(), shown + QPoint(50, 40));

    popup.closeWidget();
    ASSERT_TRUE(Settle(popup));
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(popup.pos(), shown - QPoint(0, 30));
}

TEST_F(ShowWidget, PressBesideTheStripOrOnTheButtonsDoesNotDrag)
{
    showwidget popup(1, &anchor);
    popup.resize(260, 160);
    popup.move(10, 10);
    popup.show();
    for (const QPoint press : { QPoint(20, 50), QPoint(230, 10) }) {
        SendMouse(popup, QEvent::MouseButtonPress, press, Qt::LeftButton);
        SendMouse(popup, QEvent::MouseMove, press + QPoint(30, 30), Qt::LeftButton);
        SendMouse(popup, QEvent::MouseButtonRelease, press + QPoint(30, 30), Qt::NoButton);
        EXPECT_EQ(popup.pos(), QPoint(10, 10)) << press.x() << "," << press.y();
    }
}

TEST_F(ShowWidget, EscClosesWithTheFadeOut)
{
    showwidget popup(1, &anchor);
    popup.ShowPopup();
    ASSERT_TRUE(Settle(popup));
    popup.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&popup));
    QTest::keyClick(popup.windowHandle(), Qt::Key_Escape);
    // A shortcut clicks its button a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&popup] { return popup.animating(); }, 5000));
    EXPECT_TRUE(popup.isVisible());
    ASSERT_TRUE(Settle(popup));
    EXPECT_FALSE(popup.isVisible());
}

TEST_F(ShowWidget, ClosedPopupWithDeleteOnCloseIsDeletedAfterItsFadeOut)
{
    QPointer<showwidget> popup = new showwidget(popup_frame::no_title_bar, &anchor);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->ShowPopup();
    ASSERT_TRUE(Settle(*popup));
    popup->closeWidget();
    EXPECT_TRUE(QTest::qWaitFor([&popup] { return popup.isNull(); }, 5000));
}

TEST_F(ShowWidget, PopupWhoseAnchorIsGoneIsCentredOnTheScreen)
{
    auto* gone = new QWidget;
    showwidget popup(1, gone);
    delete gone;
    popup.resize(200, 100);
    popup.ShowPopup();
    ASSERT_TRUE(Settle(popup));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(popup.pos(), popup_frame::Centred(screen, QSize(200, 100)) + QPoint(0, 33));
}

} // namespace
