// The frameless window's chrome on a plain widget.
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
        window.setGeometry(100, 100, 600, 500);
        chrome = new window_chrome(&window, {});
        auto* outer = new QVBoxLayout(&window);
        title = new QHBoxLayout;
        outer->addLayout(title);
        title->addWidget(max = new QPushButton);
        chrome->SetButtons(nullptr, max, nullptr);
        chrome->SetTitleRow(title, 900);
        chrome->SetMarginLayouts(outer, title);
        window.show();
    }
    // Presses and releases of the left button; other types are hover moves.
    void Send(QEvent::Type type, const QPoint& local)
    {
        if (type == QEvent::HoverMove) {
            QHoverEvent hover(type, local, local);
            QApplication::sendEvent(&window, &hover);
            return;
        }
        const Qt::MouseButtons held
            = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent mouse(
            type, local, window.mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&window, &mouse);
    }
    void Hover(const QPoint& local) { Send(QEvent::HoverMove, local); }
    Qt::CursorShape CursorAt(const QPoint& local)
    {
        Hover(local);
        return window.cursor().shape();
    }

    QWidget window;
    window_chrome* chrome = nullptr;
    QHBoxLayout* title = nullptr;
    QPushButton* max = nullptr;
};

TEST_F(WindowChrome, ZonesAndCursorsFollowTheSizeAndTheRightEdgeDragsUntilReleased)
{
    EXPECT_EQ(CursorAt(QPoint(2, 250)), Qt::SizeHorCursor);
    EXPECT_EQ(CursorAt(QPoint(598, 498)), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorAt(QPoint(300, 250)), Qt::ArrowCursor);
    const QMargins title_margins = title->contentsMargins();

    Send(QEvent::MouseButtonPress, QPoint(597, 250));
    EXPECT_TRUE(chrome->resizing());
    Hover(QPoint(647, 260));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 650, 500));
    Send(QEvent::MouseButtonRelease, QPoint(647, 260));
    EXPECT_FALSE(chrome->resizing());
    Hover(QPoint(700, 260));
    EXPECT_EQ(window.geometry(), QRect(100, 100, 650, 500));

    window.resize(1000, 500);
    EXPECT_EQ(chrome->zones().HitTest(QPoint(999, 250)), resize_zone::right);
    EXPECT_NE(title->contentsMargins(), title_margins);
}

TEST_F(WindowChrome, AMaximisedWindowHasNoFrameNorBorderUntilRestored)
{
    QSignalSpy restored(chrome, &window_chrome::restored);
    EXPECT_EQ(chrome->frame_margin(), 8);
    chrome->ToggleMaximize();
    ASSERT_TRUE(window.isMaximized());
    EXPECT_TRUE(max->styleSheet().contains(QStringLiteral("url(:/image/restore.png)")));
    EXPECT_EQ(window.layout()->contentsMargins(), QMargins());
    EXPECT_EQ(chrome->frame_margin(), 0);
    chrome->SetDark(true);

    const QPoint edge(window.width() - 2, window.height() / 2);
    const QRect before = window.geometry();
    Send(QEvent::MouseButtonPress, edge);
    EXPECT_FALSE(chrome->resizing());
    Hover(edge - QPoint(100, 0));
    EXPECT_EQ(window.geometry(), before);

    chrome->ToggleMaximize();
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(restored.count(), 1);
    // The restyle on the state change keeps the theme it was given.
    EXPECT_TRUE(max->styleSheet().contains(QStringLiteral("url(:/image/dark_max.png)")));
}

// A pinned window's chrome neither folds the list nor takes activation.
TEST_F(WindowChrome, OnlyTheMainWindowFoldsBelow500UnfoldsAbove500AndTakesActivation)
{
    QSignalSpy fold(chrome, &window_chrome::foldChanged);
    window.resize(400, 500);
    EXPECT_FALSE(chrome->folded()); // auto fold is off
    chrome->SetAutoFold(true);
    QWidget pinned;
    window_chrome::options options;
    options.main_window = false;
    auto* pinned_chrome = new window_chrome(&pinned, options);
    pinned_chrome->SetAutoFold(true);
    pinned.show();
    pinned.resize(420, 400);
    EXPECT_FALSE(pinned_chrome->folded());
    window.resize(499, 500);
    EXPECT_TRUE(chrome->folded());
    // The owner's folded state, set silently, is where the next resize steps from.
    chrome->SetFolded(false);
    window.resize(498, 500);
    chrome->SetFolded(true);
    window.resize(502, 500);
    ASSERT_EQ(fold.count(), 3);
    EXPECT_FALSE(fold[2][0].toBool());
    EXPECT_FALSE(chrome->folded());

    QSignalSpy activated(chrome, &window_chrome::activated);
    QSignalSpy pinned_activated(pinned_chrome, &window_chrome::activated);
    QEvent activate(QEvent::WindowActivate);
    EXPECT_TRUE(chrome->eventFilter(&window, &activate));
    EXPECT_FALSE(pinned_chrome->eventFilter(&pinned, &activate));
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(pinned_activated.count(), 0);
}

} // namespace
