// Keeping windows above the others without taking the focus, under openbox:
// the X11 platform operation on plain windows, and the real main window.
#include "tests/e2e/support/program_copy.h"

#include <algorithm>
#include <QRect>

// Last: Xlib's macros (Status, None...) break Qt headers that follow them.
#include "tests/e2e/support/x11_test.h"
#include <X11/Xatom.h>

namespace {

using e2e::WaitUntil;

class Topmost : public e2e::X11Test {
protected:
    bool Viewable(Window w) const
    {
        XWindowAttributes attributes {};
        return XGetWindowAttributes(display, w, &attributes) && attributes.map_state == IsViewable;
    }
    // Up to `items` longs of a property; empty when absent.
    std::vector<long> Longs(Window w, const char* name, Atom type, long items) const
    {
        Atom actual = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display, w, XInternAtom(display, name, False), 0, items, False, type,
            &actual, &format, &count, &after, &data);
        const long* values = reinterpret_cast<const long*>(data);
        std::vector<long> result(values, values + (data ? count : 0));
        if (data)
            XFree(data);
        return result;
    }
    // The outer corner of the manager's frame and the window's own size.
    QRect Placement(Window w) const
    {
        XWindowAttributes attributes {};
        XGetWindowAttributes(display, w, &attributes);
        int x_root = 0;
        int y_root = 0;
        Window child = None;
        XTranslateCoordinates(
            display, w, DefaultRootWindow(display), 0, 0, &x_root, &y_root, &child);
        std::vector<long> frame = Longs(w, "_NET_FRAME_EXTENTS", XA_CARDINAL, 4);
        frame.resize(4, 0);
        return QRect(x_root - static_cast<int>(frame[0]), y_root - static_cast<int>(frame[2]),
            attributes.width, attributes.height);
    }
    bool IsStackedAbove(Window upper, Window lower) const
    {
        // Managed windows in stacking order, bottom first.
        const std::vector<long> order
            = Longs(DefaultRootWindow(display), "_NET_CLIENT_LIST_STACKING", XA_WINDOW, 1024);
        const auto u = std::find(order.begin(), order.end(), static_cast<long>(upper));
        const auto l = std::find(order.begin(), order.end(), static_cast<long>(lower));
        return u != order.end() && l != order.end() && u > l;
    }
    bool KeptAbove(Window w) const
    {
        const std::vector<long> state = Longs(w, "_NET_WM_STATE", XA_ATOM, 32);
        const long above = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_ABOVE", False));
        return std::find(state.begin(), state.end(), above) != state.end();
    }
    // Still there once the manager had time to move it.
    bool FocusStaysWith(Window w)
    {
        return !WaitUntil([&] { return platform->ForegroundWindow() != w; }, 500);
    }
};

TEST_F(Topmost, PlainWindowsAndTheMainWindowStayOnTopWithoutTakingTheFocus)
{
    const Window working = MakeWindow(true);
    ASSERT_TRUE(Activate(working));

    // A new window comes up at its frame, above the one in use, which keeps the focus.
    const Window note = MakeWindow(false);
    platform->SetTopmost(note, { 300, 200, 400, 250 }, true);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(note); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return KeptAbove(note); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return Placement(note) == QRect(300, 200, 400, 250); }, 5000));
    EXPECT_TRUE(FocusStaysWith(working));
    EXPECT_TRUE(WaitUntil([&] { return IsStackedAbove(note, working); }, 5000));

    // Activating the other window does not bring it over the top-most one.
    x.Xdotool(QStringLiteral("windowactivate --sync %1").arg(working));
    EXPECT_TRUE(IsStackedAbove(note, working));

    // Hidden: withdrawn; then gone, and no window, leave the program running.
    platform->SetTopmost(note, { 80, 90, 320, 240 }, false);
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(note); }, 5000));
    XDestroyWindow(display, note);
    XSync(display, False);
    platform->SetTopmost(note, { 0, 0, 10, 10 }, true);
    platform->SetTopmost(0, { 0, 0, 10, 10 }, true);
    EXPECT_EQ(platform->ForegroundWindow(), working);

    // The real main window stays above the raised window in use.
    e2e::ProgramCopy copy(x);
    copy.Launch();
    ASSERT_TRUE(copy.WaitForWindows());
    const Window window = copy.VisibleWindows().front().toULong();
    EXPECT_TRUE(WaitUntil([&] { return KeptAbove(window); }, 5000));
    ASSERT_TRUE(Activate(working));
    x.Xdotool(QStringLiteral("windowraise %1").arg(working));
    EXPECT_TRUE(WaitUntil([&] { return IsStackedAbove(window, working); }, 5000));
    EXPECT_TRUE(Viewable(window));
}

} // namespace
