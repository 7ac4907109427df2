#include "app/settings_record.h"
#include "widgets/window_chrome.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace {

class WindowChrome : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record {};
        window.setGeometry(100, 100, 600, 500);
        chrome = new window_chrome(&window, {});
        auto* outer = new QVBoxLayout(&window);
        title = new QHBoxLayout;
        outer->addLayout(title);
        min = new QPushButton;
        max = new QPushButton;
        close = new QPushButton;
        title->addWidget(min);
        title->addWidget(max);
        title->addWidget(close);
        chrome->SetButtons(min, max, close);
        chrome->SetTitleRow(title, 900);
        chrome->SetMarginLayouts(outer, title);
        window.show();
    }
    void TearDown() override { Settings() = settings_record {}; }

    void Press(const QPoint& local)
    {
        QMouseEvent press(QEvent::MouseButtonPress, local, window.mapToGlobal(local),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
    }
    void Hover(const QPoint& local)
    {
        QHoverEvent hover(QEvent::HoverMove, local, local);
        QApplication::sendEvent(&window, &hover);
    }
    void Release(const QPoint& local)
    {
        QMouseEvent release(QEvent::MouseButtonRelease, local, window.mapToGlobal(local),
            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &release);
    }

    QWidget window;
    window_chrome* chrome = nullptr;
    QHBoxLayout* title = nullptr;
    QPushButton* min = nullptr;
    QPushButton* max = nullptr;
    QPushButton* close = nullptr;
};

TEST_F(WindowChrome, MakesTheWindowFramelessAndTranslucent)
{
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(window.testAttribute(Qt::WA_Hover));
    EXPECT_TRUE(window.hasMouseTracking());
    EXPECT_EQ(window.minimumSize(), QSize(380, 480));
}

TEST_F(WindowChrome, ZonesFollowTheWindowSize)
{
    EXPECT_EQ(chrome->zones().HitTest(QPoint(599, 250)), resize_zone::right);
    window.resize(700, 500);
    EXPECT_EQ(chrome->zones().HitTest(QPoint(599, 250)), resize_zone::none);
    EXPECT_EQ(chrome->zones().HitTest(QPoint(699, 250)), resize_zone::right);
}

TEST_F(WindowChrome, TheCursorShowsTheZoneUnderThePointer)
{
    Hover(QPoint(2, 250));
    EXPECT_EQ(window.cursor().shape(), Qt::SizeHorCursor);
    Hover(QPoint(598, 498));
    EXPECT_EQ(window.cursor().shape(), Qt::SizeFDiagCursor);
    Hover(QPoint(598, 2));
    EXPECT_EQ(window.cursor().shape(), Qt::SizeBDiagCursor);
    Hover(QPoint(300, 250));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowChrome, DraggingTheRightEdgeWidensTheWindow)
{
    Press(QPoint(597, 250));
    EXPECT_TRUE(chrome->resizing());
    Hover(QPoint(647, 260));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 650, 500));
    Release(QPoint(647, 260));
    EXPECT_FALSE(chrome->resizing());
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    Hover(QPoint(700, 260));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 650, 500));
}

TEST_F(WindowChrome, DraggingTheLeftEdgeRightStopsAtTheMinimumWidth)
{
    Press(QPoint(2, 250));
    Hover(QPoint(102, 250));
    EXPECT_EQ(window.geometry(), QRect(200, 100, 500, 500));
    // The window has moved under the pointer; this is 300 more to the right.
    Hover(QPoint(202, 250));
    EXPECT_EQ(window.width(), 380);
    EXPECT_EQ(window.geometry().right(), 699);
    Hover(QPoint(150, 250));
    EXPECT_EQ(window.width(), 380);
    EXPECT_EQ(window.geometry().right(), 699);
}

TEST_F(WindowChrome, DraggingTheTopEdgeDownStopsAtTheMinimumHeight)
{
    Press(QPoint(300, 2));
    Hover(QPoint(300, 200));
    EXPECT_EQ(window.height(), 480);
    EXPECT_EQ(window.geometry().bottom(), 599);
}

TEST_F(WindowChrome, PressingOutsideTheBorderStartsNoResize)
{
    Press(QPoint(300, 250));
    EXPECT_FALSE(chrome->resizing());
    Hover(QPoint(350, 300));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 600, 500));
}

TEST_F(WindowChrome, AMaximisedWindowHasNoBorderToGrab)
{
    chrome->ToggleMaximize();
    ASSERT_TRUE(window.isMaximized());
    const QPoint edge(window.width() - 2, window.height() / 2);
    Hover(edge);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    const QRect before = window.geometry();
    Press(edge);
    EXPECT_FALSE(chrome->resizing());
    Hover(edge - QPoint(100, 0));
    EXPECT_EQ(window.geometry(), before);
}

TEST_F(WindowChrome, ToggleMaximizeRestoresTheNormalWindowAndItsBorder)
{
    QSignalSpy restored(chrome, &window_chrome::restored);
    chrome->ToggleMaximize();
    chrome->ToggleMaximize();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(restored.count(), 1);
    EXPECT_EQ(chrome->zones().HitTest(QPoint(window.width() - 1, 250)), resize_zone::right);
}

TEST_F(WindowChrome, StateChangesRestyleTheButtonsAndMargins)
{
    chrome->RestyleChrome();
    EXPECT_TRUE(max->styleSheet().contains(QStringLiteral("url(:/image/max.png)")));
    EXPECT_TRUE(close->styleSheet().contains(QStringLiteral("url(:/image/close_h.png)")));
    EXPECT_EQ(chrome->frame_margin(), 8);
    EXPECT_EQ(window.layout()->contentsMargins(), QMargins(2, 2, 2, 2));

    chrome->ToggleMaximize();
    EXPECT_TRUE(max->styleSheet().contains(QStringLiteral("url(:/image/restore.png)")));
    EXPECT_TRUE(close->styleSheet().contains(QStringLiteral("url(:/image/close_h_square.png)")));
    EXPECT_EQ(chrome->frame_margin(), 0);
    EXPECT_EQ(chrome->frame_flag(), 0);
    EXPECT_EQ(window.layout()->contentsMargins(), QMargins());
}

TEST_F(WindowChrome, SwitchingTheThemeWhileMaximisedShowsTheDarkRestoreButton)
{
    chrome->ToggleMaximize();
    Settings().dark_mode = true;
    chrome->RestyleChrome();
    EXPECT_TRUE(min->styleSheet().contains(QStringLiteral("url(:/image/dark_min.png)")));
    EXPECT_TRUE(max->styleSheet().contains(QStringLiteral("url(:/image/dark_restore.png)")));
    EXPECT_TRUE(
        close->styleSheet().contains(QStringLiteral("url(:/image/dark_close_h_square.png)")));
    EXPECT_TRUE(
        close->styleSheet().contains(QStringLiteral("url(:/image/dark_close_d_square.png)")));
}

TEST_F(WindowChrome, TitleRowMarginsFollowTheWidth)
{
    EXPECT_EQ(title->contentsMargins(), QMargins(10, 0, 8, 0));
    window.resize(1000, 500);
    EXPECT_EQ(title->contentsMargins(), QMargins(120, 0, 118, 0));
}

TEST_F(WindowChrome, AutomaticFoldingBelow500AndUnfoldingAbove)
{
    QSignalSpy fold(chrome, &window_chrome::foldChanged);
    Settings().auto_fold = true;
    window.resize(499, 500);
    EXPECT_TRUE(Settings().folded_now);
    window.resize(500, 500);
    EXPECT_TRUE(Settings().folded_now);
    window.resize(501, 500);
    EXPECT_FALSE(Settings().folded_now);
    window.resize(500, 500);
    EXPECT_FALSE(Settings().folded_now);
    ASSERT_EQ(fold.count(), 2);
    EXPECT_EQ(fold[0][0].toBool(), true);
    EXPECT_EQ(fold[1][0].toBool(), false);
}

TEST_F(WindowChrome, WithoutAutoFoldTheListNeverFolds)
{
    QSignalSpy fold(chrome, &window_chrome::foldChanged);
    window.resize(400, 500);
    EXPECT_FALSE(Settings().folded_now);
    EXPECT_EQ(fold.count(), 0);
}

TEST_F(WindowChrome, ActivationIsTakenOverAndAnnounced)
{
    QSignalSpy activated(chrome, &window_chrome::activated);
    QEvent activate(QEvent::WindowActivate);
    EXPECT_TRUE(chrome->eventFilter(&window, &activate));
    EXPECT_EQ(activated.count(), 1);
}

TEST(WindowChromePinned, APinnedWindowResizesButNeitherFoldsNorTakesActivation)
{
    Settings() = settings_record {};
    Settings().auto_fold = true;
    QWidget pinned;
    pinned.setGeometry(50, 50, 200, 150);
    window_chrome::options options;
    options.main_window = false;
    options.minimum_size = QSize(44, 44);
    auto* chrome = new window_chrome(&pinned, options);
    QSignalSpy activated(chrome, &window_chrome::activated);
    pinned.show();
    pinned.resize(120, 100);
    EXPECT_FALSE(Settings().folded_now);
    QEvent activate(QEvent::WindowActivate);
    EXPECT_FALSE(chrome->eventFilter(&pinned, &activate));
    EXPECT_EQ(activated.count(), 0);

    QMouseEvent press(QEvent::MouseButtonPress, QPoint(119, 99),
        pinned.mapToGlobal(QPoint(119, 99)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&pinned, &press);
    QHoverEvent hover(QEvent::HoverMove, QPoint(0, 0), QPoint(0, 0));
    QApplication::sendEvent(&pinned, &hover);
    EXPECT_EQ(pinned.size(), QSize(44, 44));
    Settings() = settings_record {};
}

} // namespace
