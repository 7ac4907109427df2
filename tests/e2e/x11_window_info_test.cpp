// The source-window title and icon read through X11 from real windows under
// a real window manager.
#include <QImage>
#include <QTemporaryDir>

// Last: Xlib's macros (Status, None...) break Qt headers that follow them.
#include "tests/e2e/support/x11_test.h"
#include <X11/Xatom.h>

namespace {

using X11WindowInfo = e2e::X11Test;

TEST_F(X11WindowInfo, TitlesAndIcons)
{
    // _NET_WM_NAME as UTF-8, else the old Latin-1 WM_NAME.
    const Window w = MakeWindow(true);
    const std::string name = "编辑器 \xF0\x9F\x98\x80";
    XChangeProperty(display, w, XInternAtom(display, "_NET_WM_NAME", False),
        XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
        reinterpret_cast<const unsigned char*>(name.data()), static_cast<int>(name.size()));
    XSync(display, False);
    ASSERT_TRUE(Activate(w));
    EXPECT_EQ(platform->WindowTitle(w), name);
    const Window old = MakeWindow(false);
    XStoreName(display, old, "caf\xE9");
    XSync(display, False);
    EXPECT_EQ(platform->WindowTitle(old), "caf\xC3\xA9");

    // _NET_WM_ICON: the smallest size of at least 16 scaled to 16x16; none
    // without the property.
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("icon.png")).toStdString();
    EXPECT_FALSE(platform->SaveWindowIconPng(old, path));
    // 8x8 green, 32x32 red (the pick), 48x48 blue.
    std::vector<long> values;
    const std::pair<int, unsigned long> sizes[]
        = { { 8, 0xFF00FF00ul }, { 32, 0xFFFF0000ul }, { 48, 0xFF0000FFul } };
    for (const auto& [side, colour] : sizes) {
        values.insert(values.end(), { side, side });
        values.insert(values.end(), static_cast<size_t>(side * side), static_cast<long>(colour));
    }
    const auto set_icon = [&](const long* data, int items) {
        XChangeProperty(display, old, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
            PropModeReplace, reinterpret_cast<const unsigned char*>(data), items);
        XSync(display, False);
    };
    set_icon(values.data(), static_cast<int>(values.size()));
    ASSERT_TRUE(platform->SaveWindowIconPng(old, path));
    const QImage icon(QString::fromStdString(path));
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(icon.pixelColor(8, 8), QColor(255, 0, 0));

    // A property that claims more pixels than it holds gives no icon.
    const long broken[] = { 64, 64, 1, 2, 3 };
    set_icon(broken, 5);
    EXPECT_FALSE(platform->SaveWindowIconPng(old, path + "2"));

    // Gone windows and no window: empty, and the program lives on.
    XDestroyWindow(display, old);
    XSync(display, False);
    EXPECT_EQ(platform->WindowTitle(old), "");
    EXPECT_FALSE(platform->SaveWindowIconPng(old, path));
    EXPECT_EQ(platform->WindowTitle(0), "");
}

} // namespace
