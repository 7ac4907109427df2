// Tests of the X11 platform layer on a private display: an Xlib connection
// of the test's own for making windows, and the layer under test (which needs
// no Qt).
#pragma once

#include "platform/x11/x11_layer.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <memory>
#include <X11/Xlib.h>

namespace e2e {

class X11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x.Start()) << x.error().toStdString();
        qputenv("DISPLAY", x.display().toLatin1());
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr);
        platform = std::make_unique<platform::x11_layer>(true);
    }
    void TearDown() override
    {
        platform.reset();
        if (display)
            XCloseDisplay(display);
    }

    // Unmapped windows stay unmanaged: no frame, and no icon from the manager.
    Window MakeWindow(bool mapped)
    {
        const Window w = XCreateSimpleWindow(
            display, DefaultRootWindow(display), 10, 10, 200, 100, 0, 0, 0xFFFFFF);
        if (mapped)
            XMapWindow(display, w);
        XSync(display, False);
        return w;
    }
    // The window manager ignores a request for a window it has not taken on
    // yet, so the request is repeated, but seldom: a late duplicate would
    // take the focus back after the test moved it. openbox also reports the
    // new active window before its focus order has caught up, and an Alt+Tab
    // right then may find the old order: settle.
    bool Activate(Window w)
    {
        const bool active = WaitUntil(
            [&] {
                platform->BringToFront(w);
                return WaitUntil([&] { return platform->ForegroundWindow() == w; }, 2000);
            },
            10000);
        WaitUntil([] { return false; }, 300);
        return active;
    }

    XSession x;
    Display* display = nullptr;
    std::unique_ptr<platform::x11_layer> platform;
};

} // namespace e2e
