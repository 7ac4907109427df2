// The layer on Windows, through user32, gdi32, shell32 and the registry.
#pragma once

#include "platform/platform.h"
#include "platform/win/win_hotkeys.h"

namespace platform {

class win_layer : public layer {
public:
    std::string Name() const override { return "win"; }
    // The source window of a copy (win_window_info.cpp).
    WindowId ForegroundWindow() override;
    std::string WindowTitle(WindowId window) override;
    bool SaveWindowIconPng(WindowId window, const std::string& path) override;
    // The paste target: focus and activation (win_activation.cpp).
    WindowId FocusedChild(WindowId window) override;
    bool BringToFront(WindowId window) override;
    void SetNoActivate(WindowId window) override;
    // Synthesised keys and the held modifiers (win_keys.cpp).
    void SendKey(int virtual_key, bool down) override;
    int HeldModifiers() override;
    // Above all other windows, never activated (win_topmost.cpp).
    void SetTopmost(WindowId window, const rect& frame, bool show) override;
    int DpiScale() override;
    std::optional<std::string> ReadAutorun(const std::string& name) override;
    bool SetAutorun(
        const std::string& name, const std::string& program, const std::string& argument) override;
    bool RemoveAutorun(const std::string& name) override;
    // Monitors and visible top-level windows; hotkeys (win_desktop.cpp).
    std::vector<rect> Monitors() override;
    std::vector<top_level_window> VisibleTopLevelWindows() override;
    int RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated) override;
    void UnregisterHotkey(int id) override;

private:
    win_hotkeys hotkeys_;
};

} // namespace platform
