// What the full-screen check looks at on X11: the XRandR monitor rectangles
// and the visible managed windows, topmost first.
#include "platform/x11/x11_layer.h"
#include "platform/x11/x11_window_list.h"

#include <X11/extensions/Xrandr.h>
#include <X11/Xlib.h>

namespace platform {

std::vector<rect> x11_layer::Monitors()
{
    std::vector<rect> monitors;
    if (!display_)
        return monitors;
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(display_, DefaultRootWindow(display_), True, &count);
    for (int i = 0; i < count; ++i)
        monitors.push_back({ info[i].x, info[i].y, info[i].width, info[i].height });
    if (info)
        XRRFreeMonitors(info);
    // A server without RandR 1.5 still has its one screen.
    if (monitors.empty()) {
        const int screen = DefaultScreen(display_);
        monitors.push_back(
            { 0, 0, DisplayWidth(display_, screen), DisplayHeight(display_, screen) });
    }
    return monitors;
}

std::vector<top_level_window> x11_layer::VisibleTopLevelWindows()
{
    if (!display_)
        return {};
    if (!windows_)
        windows_ = std::make_unique<x11_window_list>(DisplayString(display_));
    return windows_->Visible();
}

} // namespace platform
