// Keeping a window above all others on X11 without giving it the focus: the
// EWMH "above" state, asked of the window manager.
#include "platform/x11/scoped_error_trap.h"
#include "platform/x11/x11_layer.h"

#include <algorithm>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {
namespace {

constexpr long kNetWmStateAdd = 1;
// The request comes from an application, not a pager.
constexpr long kSourceApplication = 1;

// The first 32-bit item of a property of the given type, if there is one.
bool ReadFirstLong(Display* d, Window w, Atom name, Atom type, long* value)
{
    Atom actual_type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(d, w, name, 0, 1, False, type, &actual_type, &format,
                           &items, &after, &data)
            == Success
        && actual_type == type && format == 32 && items >= 1 && data;
    if (found)
        *value = reinterpret_cast<const long*>(data)[0];
    if (data)
        XFree(data);
    return found;
}

// A window the window manager has taken on (shown or iconic). Its EWMH
// state then belongs to the manager and is changed by request only.
bool IsManaged(Display* d, Window w, const XWindowAttributes& attributes)
{
    if (attributes.map_state != IsUnmapped)
        return true;
    const Atom wm_state = XInternAtom(d, "WM_STATE", False);
    long state = 0;
    return ReadFirstLong(d, w, wm_state, wm_state, &state)
        && (state == NormalState || state == IconicState);
}

bool HasState(Display* d, Window w, Atom state, Atom wanted)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(
            d, w, state, 0, 1024, False, XA_ATOM, &type, &format, &items, &after, &data)
            == Success
        && data && type == XA_ATOM && format == 32) {
        const long* atoms = reinterpret_cast<const long*>(data);
        found = std::find(atoms, atoms + items, static_cast<long>(wanted)) != atoms + items;
    }
    if (data)
        XFree(data);
    return found;
}

// The manager places a new window where its size hints say only when they
// name the position as the user's own choice.
void HintPlace(Display* d, Window w, const rect& frame)
{
    XSizeHints hints {};
    long supplied = 0;
    if (!XGetWMNormalHints(d, w, &hints, &supplied))
        hints = XSizeHints {};
    hints.flags |= USPosition | USSize;
    hints.x = frame.x;
    hints.y = frame.y;
    hints.width = frame.width;
    hints.height = frame.height;
    XSetWMNormalHints(d, w, &hints);
}

// A user time of 0 asks the window manager not to focus the window when it
// is mapped. Toolkits keep the time on a separate window when they name one.
void DeclineFocusOnMap(Display* d, Window w)
{
    Window holder = w;
    long named = 0;
    if (ReadFirstLong(d, w, XInternAtom(d, "_NET_WM_USER_TIME_WINDOW", False), XA_WINDOW, &named)
        && named != 0)
        holder = static_cast<Window>(named);
    const long zero = 0;
    XChangeProperty(d, holder, XInternAtom(d, "_NET_WM_USER_TIME", False), XA_CARDINAL, 32,
        PropModeReplace, reinterpret_cast<const unsigned char*>(&zero), 1);
}

} // namespace

void x11_layer::SetTopmost(WindowId window, const rect& frame, bool show)
{
    if (!display_ || window == 0)
        return;
    Display* d = display_;
    scoped_error_trap trap(d);
    const Window w = static_cast<Window>(window);
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(d, w, &attributes) || trap.failed())
        return;
    const bool managed = IsManaged(d, w, attributes);
    const Atom state = XInternAtom(d, "_NET_WM_STATE", False);
    const Atom above = XInternAtom(d, "_NET_WM_STATE_ABOVE", False);

    if (!managed) {
        // Read by the manager when the window is mapped.
        if (!HasState(d, w, state, above))
            XChangeProperty(d, w, state, XA_ATOM, 32, PropModeAppend,
                reinterpret_cast<const unsigned char*>(&above), 1);
        HintPlace(d, w, frame);
    }
    XMoveResizeWindow(d, w, frame.x, frame.y, static_cast<unsigned>(std::max(frame.width, 1)),
        static_cast<unsigned>(std::max(frame.height, 1)));
    if (managed) {
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = state;
        event.xclient.format = 32;
        event.xclient.data.l[0] = kNetWmStateAdd;
        event.xclient.data.l[1] = static_cast<long>(above);
        event.xclient.data.l[2] = 0;
        event.xclient.data.l[3] = kSourceApplication;
        XSendEvent(d, DefaultRootWindow(d), False,
            SubstructureRedirectMask | SubstructureNotifyMask, &event);
    }

    if (show) {
        if (attributes.map_state == IsUnmapped) {
            DeclineFocusOnMap(d, w);
            XMapWindow(d, w);
        } else {
            // Top of the windows that are above the rest; stacking leaves the focus alone.
            XRaiseWindow(d, w);
        }
    } else if (managed) {
        // Withdrawn, not iconified: the manager forgets the window until it is shown again.
        XWithdrawWindow(d, w, XScreenNumberOfScreen(attributes.screen));
    }
    XFlush(d);
}

} // namespace platform
