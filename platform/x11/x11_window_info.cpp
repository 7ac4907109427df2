// The source window of a copy on X11: the EWMH active window, its title and
// its icon.
#include "platform/window_title_text.h"
#include "platform/x11/scoped_error_trap.h"
#include "platform/x11/x11_layer.h"

#include <cstring>
#include <QImage>
#include <QString>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {
namespace {

// A property's raw items; empty when absent or of another type.
struct property {
    std::vector<unsigned char> bytes;
    unsigned long items = 0;
    int format = 0;
};

property ReadProperty(Display* display, Window window, Atom name, Atom type, long max_units)
{
    property result;
    Atom actual_type = None;
    int actual_format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, name, 0, max_units, False, type, &actual_type,
            &actual_format, &items, &after, &data)
            != Success
        || !data)
        return result;
    if (actual_type == type && items > 0) {
        // Format 32 comes as an array of long, whatever long's size.
        const std::size_t unit = actual_format == 32 ? sizeof(long)
            : actual_format == 16                    ? sizeof(short)
                                                     : 1;
        result.bytes.assign(data, data + items * unit);
        result.items = items;
        result.format = actual_format;
    }
    XFree(data);
    return result;
}

// The icon closest to 16x16 from the sizes a window offers: the smallest
// that is at least 16 each way, else the largest.
QImage PickIcon(const long* values, unsigned long count)
{
    const long* best = nullptr;
    unsigned long best_w = 0, best_h = 0;
    for (unsigned long i = 0; i + 2 <= count;) {
        const unsigned long w = static_cast<unsigned long>(values[i]) & 0xFFFFFFFFul;
        const unsigned long h = static_cast<unsigned long>(values[i + 1]) & 0xFFFFFFFFul;
        if (w == 0 || h == 0 || w > 4096 || h > 4096 || w * h > count - i - 2)
            break; // malformed or cut short
        const bool big_enough = w >= 16 && h >= 16;
        const bool best_big_enough = best_w >= 16 && best_h >= 16;
        if (!best || (big_enough && (!best_big_enough || w * h < best_w * best_h))
            || (!big_enough && !best_big_enough && w * h > best_w * best_h)) {
            best = values + i + 2;
            best_w = w;
            best_h = h;
        }
        i += 2 + w * h;
    }
    if (!best)
        return {};
    QImage image(static_cast<int>(best_w), static_cast<int>(best_h), QImage::Format_ARGB32);
    for (unsigned long y = 0; y < best_h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (unsigned long x = 0; x < best_w; ++x)
            line[x] = static_cast<QRgb>(best[y * best_w + x] & 0xFFFFFFFFul);
    }
    return image;
}

} // namespace

WindowId x11_layer::ForegroundWindow()
{
    Display* d = display_;
    if (!d)
        return 0;
    scoped_error_trap trap(d);
    const property active = ReadProperty(
        d, DefaultRootWindow(d), XInternAtom(d, "_NET_ACTIVE_WINDOW", False), XA_WINDOW, 1);
    if (active.items < 1 || active.format != 32 || trap.failed())
        return 0;
    long window = 0;
    std::memcpy(&window, active.bytes.data(), sizeof window);
    return static_cast<WindowId>(static_cast<unsigned long>(window));
}

std::string x11_layer::WindowTitle(WindowId window)
{
    Display* d = display_;
    if (!d || !window)
        return {};
    scoped_error_trap trap(d);
    const Window w = static_cast<Window>(window);
    const property name = ReadProperty(
        d, w, XInternAtom(d, "_NET_WM_NAME", False), XInternAtom(d, "UTF8_STRING", False), 4096);
    if (name.format == 8 && !trap.failed())
        return LimitTitle(std::string(name.bytes.begin(), name.bytes.end()));

    // WM_NAME may be Latin-1 or compound text: let Xlib convert it.
    std::string title;
    XTextProperty text {};
    if (XGetWMName(d, w, &text) && text.value) {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(d, &text, &list, &count) >= Success && list) {
            if (count > 0 && list[0])
                title = list[0];
            XFreeStringList(list);
        }
        XFree(text.value);
    }
    return trap.failed() ? std::string() : LimitTitle(title);
}

bool x11_layer::SaveWindowIconPng(WindowId window, const std::string& path)
{
    Display* d = display_;
    if (!d || !window)
        return false;
    QImage icon;
    {
        scoped_error_trap trap(d);
        // Up to 4 M values: any sensible icon set fits.
        const property icons = ReadProperty(d, static_cast<Window>(window),
            XInternAtom(d, "_NET_WM_ICON", False), XA_CARDINAL, 1L << 22);
        if (icons.format != 32 || trap.failed())
            return false;
        icon = PickIcon(reinterpret_cast<const long*>(icons.bytes.data()), icons.items);
    }
    if (icon.isNull())
        return false;
    if (icon.size() != QSize(16, 16))
        icon = icon.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return icon.save(QString::fromStdString(path), "PNG");
}

} // namespace platform
