// The platform on an X11 desktop. Uses its own Xlib connection, so it does not
// depend on Qt's internals; without a reachable X server (or when Qt runs on
// another platform plugin) the window operations do nothing.
#pragma once

#include "platform/null_platform.h"

struct _XDisplay;

namespace platform {

class X11Platform : public NullPlatform {
public:
    // with_display false: Qt is not on xcb, X calls would reach the wrong server.
    explicit X11Platform(bool with_display);
    ~X11Platform() override;
    X11Platform(const X11Platform&) = delete;
    X11Platform& operator=(const X11Platform&) = delete;

    std::string Name() const override { return display_ ? "x11" : "none"; }
    // The source window of a copy (x11_window_info.cpp).
    WindowId ForegroundWindow() override;
    std::string WindowTitle(WindowId window) override;
    bool SaveWindowIconPng(WindowId window, const std::string& path) override;
    // The paste target: focus and activation (x11_activation.cpp).
    WindowId FocusedChild(WindowId window) override;
    bool BringToFront(WindowId window) override;
    void SetNoActivate(WindowId window) override;
    // Synthesised keys through XTest and the held modifiers (x11_keys.cpp).
    void SendKey(int virtual_key, bool down) override;
    int HeldModifiers() override;
    // Above all other windows, never focused (x11_topmost.cpp).
    void SetTopmost(WindowId window, const Rect& frame, bool show) override;
    int DpiScale() override;
    std::optional<std::string> ReadAutorun(const std::string& name) override;
    bool SetAutorun(
        const std::string& name, const std::string& program, const std::string& argument) override;
    bool RemoveAutorun(const std::string& name) override;

protected:
    _XDisplay* display() const { return display_; }

private:
    _XDisplay* display_ = nullptr;
};

// Logical DPI from the Xft.dpi resource string, rounded down to a whole scale
// of 96; 1 when absent or malformed.
int DpiScaleFromResources(const char* resource_manager);

// The keysym that stands for a virtual-key code, 0 for codes without one.
unsigned long KeysymForVirtualKey(int virtual_key);

} // namespace platform
