// A layer that does nothing: what the program has until a native layer is
// installed, so plain tests and tools never touch the desktop.
#pragma once

#include "platform/platform.h"

namespace platform {

class null_layer : public layer {
public:
    std::string Name() const override { return "none"; }
    WindowId ForegroundWindow() override { return 0; }
    std::string WindowTitle(WindowId) override { return {}; }
    WindowId FocusedChild(WindowId) override { return 0; }
    bool BringToFront(WindowId) override { return false; }
    bool SaveWindowIconPng(WindowId, const std::string&) override { return false; }
    void SendKey(int, bool) override { }
    int HeldModifiers() override { return 0; }
    std::vector<rect> Monitors() override { return {}; }
    std::vector<top_level_window> VisibleTopLevelWindows() override { return {}; }
    void SetTopmost(WindowId, const rect&, bool) override { }
    void SetNoActivate(WindowId) override { }
    int DpiScale() override { return 1; }
    std::optional<std::string> ReadAutorun(const std::string&) override { return std::nullopt; }
    bool SetAutorun(const std::string&, const std::string&, const std::string&) override
    {
        return false;
    }
    bool RemoveAutorun(const std::string&) override { return false; }
    int RegisterHotkey(int, int, std::function<void()>) override { return 0; }
    void UnregisterHotkey(int) override { }
};

} // namespace platform
