// The layer on an X11 desktop. Uses its own Xlib connection, so it does not
// depend on Qt's internals; without a reachable X server (or when Qt runs on
// another platform plugin) the window operations do nothing.
#pragma once

#include "platform/platform.h"

#include <memory>

struct _XDisplay;

namespace platform {

class x11_hotkey_grabs;
class x11_window_list;

class x11_layer : public layer {
public:
    // with_display false: Qt is not on xcb, X calls would reach the wrong server.
    explicit x11_layer(bool with_display);
    ~x11_layer() override;
    x11_layer(const x11_layer&) = delete;
    x11_layer& operator=(const x11_layer&) = delete;

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
    void SetTopmost(WindowId window, const rect& frame, bool show) override;
    int DpiScale() override;
    std::optional<std::string> ReadAutorun(const std::string& name) override;
    bool SetAutorun(
        const std::string& name, const std::string& program, const std::string& argument) override;
    bool RemoveAutorun(const std::string& name) override;
    // The full-screen check's view of the desktop (x11_desktop.cpp).
    std::vector<rect> Monitors() override;
    std::vector<top_level_window> VisibleTopLevelWindows() override;
    // Root window key grabs (x11_hotkey_grabs.cpp); the callbacks run from
    // the Qt event loop of the thread that registered first.
    int RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated) override;
    void UnregisterHotkey(int id) override;

private:
    _XDisplay* display_ = nullptr;
    // Made on the first registration, when the event loop's thread is known.
    std::unique_ptr<x11_hotkey_grabs> hotkeys_;
    // Made on the first full-screen check.
    std::unique_ptr<x11_window_list> windows_;
};

// Logical DPI from the Xft.dpi resource string, rounded down to a whole scale
// of 96; 1 when absent or malformed.
int DpiScaleFromResources(const char* resource_manager);

// The keysym that stands for a virtual-key code, 0 for codes without one.
unsigned long KeysymForVirtualKey(int virtual_key);

} // namespace platform
