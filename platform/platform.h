// The operating-system services the program needs, as operations rather than
// OS calls. Plain C++ on purpose: the Windows implementation builds without Qt.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// HWND on Windows, an X window id on X11; 0 means "no window".
using WindowId = std::uint64_t;

struct rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const rect& o) const
    {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

struct top_level_window {
    WindowId id = 0;
    rect bounds;
    std::string class_name;
    // An X11 desktop or dock window: it may cover a monitor, yet it is no
    // full-screen program.
    bool desktop_or_dock = false;
};

// Windows virtual-key codes; every implementation maps them to its own keys.
namespace vk {
constexpr int enter = 13;
constexpr int tab = 9;
constexpr int shift = 16;
constexpr int ctrl = 17;
constexpr int alt = 18;
constexpr int v = 86;
// Letters and digits are their upper-case ASCII codes; F2 to F24 follow F1.
constexpr int f1 = 112;
constexpr int f24 = 135;
} // namespace vk

// Modifier bits for global hotkeys and the held-modifier query.
namespace mod {
constexpr int shift = 1;
constexpr int ctrl = 2;
constexpr int alt = 4;
constexpr int meta = 8;
} // namespace mod

class layer {
public:
    virtual ~layer() = default;

    // "x11", "win", "fake" or "none" (X11 build running without xcb).
    virtual std::string Name() const = 0;

    // Source window of a copy and target of a paste.
    virtual WindowId ForegroundWindow() = 0;
    // UTF-8, at most 259 UTF-16 units of the original title.
    virtual std::string WindowTitle(WindowId window) = 0;
    // The child that holds the keyboard focus, or 0 when unknown.
    virtual WindowId FocusedChild(WindowId window) = 0;
    virtual bool BringToFront(WindowId window) = 0;
    // Writes the small icon of the window's program as PNG; false when there is none.
    virtual bool SaveWindowIconPng(WindowId window, const std::string& path) = 0;

    // Synthesised key press or release of a virtual-key code.
    virtual void SendKey(int virtual_key, bool down) = 0;
    // Bits of mod:: currently held down.
    virtual int HeldModifiers() = 0;

    // Full-screen check: monitor rectangles and visible top-level windows,
    // topmost first.
    virtual std::vector<rect> Monitors() = 0;
    virtual std::vector<top_level_window> VisibleTopLevelWindows() = 0;

    // Place a window above all others without activating it; show or hide it too.
    virtual void SetTopmost(WindowId window, const rect& frame, bool show) = 0;
    // Clicking the window does not take the keyboard focus.
    virtual void SetNoActivate(WindowId window) = 0;
    // Integer screen scale: logical DPI / 96, at least 1.
    virtual int DpiScale() = 0;

    // Start with the session. The stored command line is the quoted program
    // path followed by a blank and the argument.
    virtual std::optional<std::string> ReadAutorun(const std::string& name) = 0;
    virtual bool SetAutorun(
        const std::string& name, const std::string& program, const std::string& argument)
        = 0;
    virtual bool RemoveAutorun(const std::string& name) = 0;

    // Global hotkeys. Returns an id above 0, or 0 when the system refused the
    // combination (taken by another program). The callback runs on the GUI thread.
    virtual int RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated) = 0;
    virtual void UnregisterHotkey(int id) = 0;
};

// The implementation in use. Without Install it is the native one for a
// program without a display ("none"), so plain tests never touch the desktop.
layer& Current();
// Replaces the implementation in use; the previous one is destroyed.
void Install(std::unique_ptr<layer> implementation);
// The implementation for this OS. qt_platform_name is the Qt platform plugin
// name ("xcb", "windows", "offscreen"...); X11 needs "xcb".
std::unique_ptr<layer> CreateNative(const std::string& qt_platform_name);

} // namespace platform
