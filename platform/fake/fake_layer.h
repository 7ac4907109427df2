// A layer for tests: records every call as a line of text and answers from
// fields the test sets.
#pragma once

#include "platform/platform.h"

#include <map>
#include <mutex>

namespace platform {

class fake_layer : public layer {
public:
    // Scripted answers.
    WindowId foreground = 0;
    std::map<WindowId, std::string> titles;
    std::map<WindowId, WindowId> focused_children;
    std::map<WindowId, std::string> icon_png; // bytes written by SaveWindowIconPng
    int held_modifiers = 0;
    std::vector<rect> monitors;
    std::vector<top_level_window> windows;
    int dpi_scale = 1;
    std::map<std::string, std::string> autorun; // name -> stored command line
    bool refuse_hotkeys = false;

    // Every call, in order, e.g. "SendKey 17 down", "SetAutorun app \"/p\" -startup".
    std::vector<std::string> Calls() const;
    void ClearCalls();
    // Fires the callback of a registered hotkey, as a key press would.
    bool PressHotkey(int modifiers, int virtual_key);

    std::string Name() const override { return "fake"; }
    WindowId ForegroundWindow() override;
    std::string WindowTitle(WindowId window) override;
    WindowId FocusedChild(WindowId window) override;
    bool BringToFront(WindowId window) override;
    bool SaveWindowIconPng(WindowId window, const std::string& path) override;
    void SendKey(int virtual_key, bool down) override;
    int HeldModifiers() override;
    std::vector<rect> Monitors() override;
    std::vector<top_level_window> VisibleTopLevelWindows() override;
    void SetTopmost(WindowId window, const rect& frame, bool show) override;
    void SetNoActivate(WindowId window) override;
    int DpiScale() override;
    std::optional<std::string> ReadAutorun(const std::string& name) override;
    bool SetAutorun(
        const std::string& name, const std::string& program, const std::string& argument) override;
    bool RemoveAutorun(const std::string& name) override;
    int RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated) override;
    void UnregisterHotkey(int id) override;

private:
    struct registered_hotkey {
        int modifiers;
        int virtual_key;
        std::function<void()> activated;
    };
    void Record(std::string call);

    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::map<int, registered_hotkey> hotkeys_;
    int next_hotkey_ = 1;
};

} // namespace platform
