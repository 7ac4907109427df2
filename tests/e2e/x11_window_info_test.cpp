// The X11 source-window operations against a real X server and window manager.
#include "platform/x11/x11_platform.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

class X11WindowInfo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x.Start()) << x.error().toStdString();
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
    // Unmapped windows stay unmanaged: the window manager puts a default
    // icon on the windows it manages.
    Window MakeWindow(bool mapped = true)
    {
        const Window w = XCreateSimpleWindow(
            display, DefaultRootWindow(display), 10, 10, 200, 100, 0, 0, 0xFFFFFF);
        if (mapped)
            XMapWindow(display, w);
        XSync(display, False);
        return w;
    }
    void SetUtf8Name(Window w, const std::string& name)
    {
        XChangeProperty(display, w, XInternAtom(display, "_NET_WM_NAME", False),
            XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
            reinterpret_cast<const unsigned char*>(name.data()), static_cast<int>(name.size()));
        XSync(display, False);
    }
    // The request is ignored until the window manager has taken the window
    // on, so it is repeated until it holds.
    bool Activate(Window w)
    {
        return e2e::WaitUntil(
            [&] {
                x.Run(QStringLiteral("xdotool"),
                    { QStringLiteral("windowactivate"), QString::number(w) });
                return platform->ForegroundWindow() == w;
            },
            10000);
    }

    e2e::XSession x;
    Display* display = nullptr;
    std::unique_ptr<platform::X11Platform> platform;
};

TEST_F(X11WindowInfo, ActiveWindowAndItsTitles)
{
    const Window w = MakeWindow();
    const std::string long_title = std::string(258, 'x') + "\xF0\x9F\x98\x80 tail";
    SetUtf8Name(w, long_title);
    ASSERT_TRUE(Activate(w));
    EXPECT_EQ(platform->WindowTitle(w), std::string(258, 'x') + "\xEF\xBF\xBD");

    SetUtf8Name(w, "编辑器 \xF0\x9F\x98\x80");
    EXPECT_EQ(platform->WindowTitle(w), "编辑器 \xF0\x9F\x98\x80");

    // Only the old Latin-1 WM_NAME.
    const Window old = MakeWindow(false);
    XStoreName(display, old, "caf\xE9");
    XSync(display, False);
    EXPECT_EQ(platform->WindowTitle(old), "caf\xC3\xA9");

    // Gone windows and no window: empty, and the program lives on.
    XDestroyWindow(display, old);
    XSync(display, False);
    EXPECT_EQ(platform->WindowTitle(old), "");
    EXPECT_FALSE(platform->SaveWindowIconPng(old, "/tmp/never.png"));
    EXPECT_EQ(platform->WindowTitle(0), "");
}

TEST_F(X11WindowInfo, IconIsTheSizeNearest16ScaledTo16)
{
    QTemporaryDir dir;
    const Window w = MakeWindow(false);
    const std::string path = dir.filePath(QStringLiteral("icon.png")).toStdString();
    EXPECT_FALSE(platform->SaveWindowIconPng(w, path));

    // 8x8 green, 32x32 red (the pick), 48x48 blue.
    std::vector<long> values;
    const std::pair<int, unsigned long> sizes[]
        = { { 8, 0xFF00FF00ul }, { 32, 0xFFFF0000ul }, { 48, 0xFF0000FFul } };
    for (const auto& s : sizes) {
        values.push_back(s.first);
        values.push_back(s.first);
        values.insert(
            values.end(), static_cast<size_t>(s.first * s.first), static_cast<long>(s.second));
    }
    XChangeProperty(display, w, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
        PropModeReplace, reinterpret_cast<const unsigned char*>(values.data()),
        static_cast<int>(values.size()));
    XSync(display, False);
    ASSERT_TRUE(platform->SaveWindowIconPng(w, path));
    const QImage icon(QString::fromStdString(path));
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(icon.pixelColor(8, 8), QColor(255, 0, 0));

    // A property that claims more pixels than it holds gives no icon.
    const long broken[] = { 64, 64, 1, 2, 3 };
    XChangeProperty(display, w, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
        PropModeReplace, reinterpret_cast<const unsigned char*>(broken), 5);
    XSync(display, False);
    EXPECT_FALSE(platform->SaveWindowIconPng(w, path + "2"));
}

} // namespace
