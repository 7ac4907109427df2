// Keeping windows above the others without taking the focus, under openbox:
// the X11 platform operation on plain windows, and the real main window.
#include "platform/x11/x11_platform.h"
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <QRect>
#include <QThread>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using e2e::WaitUntil;

class Topmost : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x.Start(QSize(1920, 1080))) << x.error().toStdString();
        qputenv("DISPLAY", x.display().toLatin1());
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        platform = std::make_unique<platform::X11Platform>(true);
    }
    void TearDown() override
    {
        platform.reset();
        if (display)
            XCloseDisplay(display);
    }

    Window MakeWindow()
    {
        const Window w = XCreateSimpleWindow(
            display, DefaultRootWindow(display), 10, 10, 200, 100, 0, 0, 0xFFFFFF);
        XSync(display, False);
        return w;
    }
    // Activation is refused until the manager has taken the window on.
    bool MapAndActivate(Window w)
    {
        XMapWindow(display, w);
        XSync(display, False);
        return WaitUntil(
            [&] {
                x.Run(QStringLiteral("xdotool"),
                    { QStringLiteral("windowactivate"), QString::number(w) });
                return platform->ForegroundWindow() == w;
            },
            10000);
    }
    QByteArray State(Window w) const
    {
        return x.Run(QStringLiteral("xprop"),
            { QStringLiteral("-id"), QString::number(w), QStringLiteral("_NET_WM_STATE") });
    }
    bool Viewable(Window w) const
    {
        XWindowAttributes attributes {};
        return XGetWindowAttributes(display, w, &attributes) && attributes.map_state == IsViewable;
    }
    // The outer corner of the manager's frame and the window's own size:
    // the frame's place is asked for, the size is the window's (the program's
    // windows are frameless, where both agree).
    QRect Placement(Window w) const
    {
        XWindowAttributes attributes {};
        XGetWindowAttributes(display, w, &attributes);
        int x_root = 0;
        int y_root = 0;
        Window child = None;
        XTranslateCoordinates(
            display, w, DefaultRootWindow(display), 0, 0, &x_root, &y_root, &child);
        long left = 0;
        long top = 0;
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, w, XInternAtom(display, "_NET_FRAME_EXTENTS", False), 0, 4,
                False, XA_CARDINAL, &type, &format, &items, &after, &data)
                == Success
            && data && items == 4) {
            left = reinterpret_cast<const long*>(data)[0];
            top = reinterpret_cast<const long*>(data)[2];
        }
        if (data)
            XFree(data);
        return QRect(x_root - static_cast<int>(left), y_root - static_cast<int>(top),
            attributes.width, attributes.height);
    }
    // Managed windows in stacking order, bottom first.
    std::vector<Window> Stacking() const
    {
        std::vector<Window> result;
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, DefaultRootWindow(display),
                XInternAtom(display, "_NET_CLIENT_LIST_STACKING", False), 0, 1024, False, XA_WINDOW,
                &type, &format, &items, &after, &data)
                == Success
            && data) {
            const long* ids = reinterpret_cast<const long*>(data);
            for (unsigned long i = 0; i < items; ++i)
                result.push_back(static_cast<Window>(ids[i]));
        }
        if (data)
            XFree(data);
        return result;
    }
    bool IsStackedAbove(Window upper, Window lower) const
    {
        const std::vector<Window> order = Stacking();
        const auto u = std::find(order.begin(), order.end(), upper);
        const auto l = std::find(order.begin(), order.end(), lower);
        return u != order.end() && l != order.end() && u > l;
    }
    // The focus must still be where it was once the manager had time to move it.
    bool FocusStaysWith(Window w)
    {
        for (int i = 0; i < 10; ++i) {
            if (platform->ForegroundWindow() != w)
                return false;
            QThread::msleep(50);
        }
        return true;
    }

    e2e::XSession x;
    Display* display = nullptr;
    std::unique_ptr<platform::X11Platform> platform;
};

TEST_F(Topmost, ShowsMovesAndHidesWithoutTakingTheFocus)
{
    const Window working = MakeWindow();
    ASSERT_TRUE(MapAndActivate(working));

    // A new window comes up at its frame, above the one in use, which keeps the focus.
    const Window note = MakeWindow();
    platform->SetTopmost(note, { 300, 200, 400, 250 }, true);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(note); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return State(note).contains("_NET_WM_STATE_ABOVE"); }, 5000))
        << State(note).toStdString();
    EXPECT_TRUE(WaitUntil([&] { return Placement(note) == QRect(300, 200, 400, 250); }, 5000));
    EXPECT_TRUE(FocusStaysWith(working));
    EXPECT_TRUE(WaitUntil([&] { return IsStackedAbove(note, working); }, 5000));

    // Activating the other window does not bring it over the top-most one.
    x.Run(QStringLiteral("xdotool"),
        { QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(working) });
    EXPECT_TRUE(IsStackedAbove(note, working));

    // Shown again elsewhere: moved, still without the focus.
    platform->SetTopmost(note, { 50, 60, 320, 240 }, true);
    EXPECT_TRUE(WaitUntil([&] { return Placement(note) == QRect(50, 60, 320, 240); }, 5000));
    EXPECT_TRUE(FocusStaysWith(working));

    // A window already on screen gains the state through the manager.
    const Window plain = MakeWindow();
    XMapWindow(display, plain);
    XSync(display, False);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(plain); }, 5000));
    ASSERT_TRUE(MapAndActivate(working));
    platform->SetTopmost(plain, { 700, 100, 200, 150 }, true);
    EXPECT_TRUE(WaitUntil([&] { return State(plain).contains("_NET_WM_STATE_ABOVE"); }, 5000))
        << State(plain).toStdString();
    EXPECT_TRUE(FocusStaysWith(working));

    // Hidden: withdrawn from the screen, and placed while hidden for the next showing.
    platform->SetTopmost(note, { 80, 90, 320, 240 }, false);
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(note); }, 5000));
    EXPECT_TRUE(FocusStaysWith(working));

    // Gone windows and no window leave the program running.
    XDestroyWindow(display, plain);
    XSync(display, False);
    platform->SetTopmost(plain, { 0, 0, 10, 10 }, true);
    platform->SetTopmost(0, { 0, 0, 10, 10 }, true);
    EXPECT_EQ(platform->ForegroundWindow(), working);
}

TEST_F(Topmost, MainWindowStaysAboveTheWindowInUse)
{
    e2e::ProgramCopy copy(x);
    copy.Launch();
    ASSERT_TRUE(WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 20000));
    const Window window = copy.VisibleWindows().front().toULong();
    EXPECT_TRUE(WaitUntil([&] { return State(window).contains("_NET_WM_STATE_ABOVE"); }, 5000))
        << State(window).toStdString();

    // Another program's window, active and raised, stays under it.
    const Window other = MakeWindow();
    ASSERT_TRUE(MapAndActivate(other));
    x.Run(QStringLiteral("xdotool"), { QStringLiteral("windowraise"), QString::number(other) });
    EXPECT_TRUE(WaitUntil([&] { return IsStackedAbove(window, other); }, 5000));
    EXPECT_TRUE(Viewable(window));
}

} // namespace
