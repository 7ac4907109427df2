// Bringing the paste target back and keeping pinned windows from taking the
// focus, on X11.
#include "platform/x11/scoped_error_trap.h"
#include "platform/x11/x11_layer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {
namespace {

// An EWMH window manager announces itself through a check window on the root.
bool HasEwmhManager(Display* display)
{
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                           XA_WINDOW, &type, &format, &items, &after, &data)
            == Success
        && type == XA_WINDOW && items == 1 && data;
    if (data)
        XFree(data);
    return found;
}

bool IsInside(Display* display, Window child, Window ancestor)
{
    for (Window at = child; at != None;) {
        if (at == ancestor)
            return true;
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, at, &root, &parent, &children, &count))
            return false;
        if (children)
            XFree(children);
        if (at == root)
            return false;
        at = parent;
    }
    return false;
}

} // namespace

// The target may have closed since it was remembered: requests to it run
// under an error trap.
WindowId x11_layer::FocusedChild(WindowId window)
{
    if (!display_ || window == 0)
        return 0;
    scoped_error_trap trap(display_);
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    if (focus == None || focus == PointerRoot)
        return 0;
    const bool inside = IsInside(display_, focus, static_cast<Window>(window));
    return inside && !trap.failed() ? focus : 0;
}

bool x11_layer::BringToFront(WindowId window)
{
    if (!display_ || window == 0)
        return false;
    scoped_error_trap trap(display_);
    const Window target = static_cast<Window>(window);
    if (HasEwmhManager(display_)) {
        // The window manager decides about activation; source 2 (a pager)
        // because the user asked for this window, as a taskbar click would.
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = target;
        event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, DefaultRootWindow(display_), False,
            SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        XRaiseWindow(display_, target);
        XSetInputFocus(display_, target, RevertToParent, CurrentTime);
    }
    XFlush(display_);
    return !trap.failed();
}

void x11_layer::SetNoActivate(WindowId window)
{
    if (!display_ || window == 0)
        return;
    scoped_error_trap trap(display_);
    const Window target = static_cast<Window>(window);
    XWMHints* existing = XGetWMHints(display_, target);
    XWMHints hints = existing ? *existing : XWMHints {};
    if (existing)
        XFree(existing);
    // The ICCCM "no input" model: the window manager never gives it the focus.
    hints.flags |= InputHint;
    hints.input = False;
    XSetWMHints(display_, target, &hints);
    XFlush(display_);
}

} // namespace platform
