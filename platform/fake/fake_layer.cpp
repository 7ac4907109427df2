#include "platform/fake/fake_layer.h"

#include <fstream>

namespace platform {

std::vector<std::string> fake_layer::Calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

void fake_layer::ClearCalls()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

void fake_layer::Record(std::string call)
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(std::move(call));
}

bool fake_layer::PressHotkey(int modifiers, int virtual_key)
{
    std::function<void()> callback;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& [id, hotkey] : hotkeys_)
            if (hotkey.modifiers == modifiers && hotkey.virtual_key == virtual_key)
                callback = hotkey.activated;
    }
    if (!callback)
        return false;
    callback();
    return true;
}

WindowId fake_layer::ForegroundWindow()
{
    Record("ForegroundWindow");
    return foreground;
}

std::string fake_layer::WindowTitle(WindowId window)
{
    Record("WindowTitle " + std::to_string(window));
    auto it = titles.find(window);
    return it == titles.end() ? std::string() : it->second;
}

WindowId fake_layer::FocusedChild(WindowId window)
{
    Record("FocusedChild " + std::to_string(window));
    auto it = focused_children.find(window);
    return it == focused_children.end() ? 0 : it->second;
}

bool fake_layer::BringToFront(WindowId window)
{
    Record("BringToFront " + std::to_string(window));
    foreground = window;
    return window != 0;
}

bool fake_layer::SaveWindowIconPng(WindowId window, const std::string& path)
{
    Record("SaveWindowIconPng " + std::to_string(window) + " " + path);
    auto it = icon_png.find(window);
    if (it == icon_png.end())
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << it->second;
    return static_cast<bool>(out);
}

void fake_layer::SendKey(int virtual_key, bool down)
{
    Record("SendKey " + std::to_string(virtual_key) + (down ? " down" : " up"));
}

int fake_layer::HeldModifiers()
{
    return held_modifiers;
}

std::vector<rect> fake_layer::Monitors()
{
    return monitors;
}

std::vector<top_level_window> fake_layer::VisibleTopLevelWindows()
{
    return windows;
}

void fake_layer::SetTopmost(WindowId window, const rect& frame, bool show)
{
    Record("SetTopmost " + std::to_string(window) + " " + std::to_string(frame.x) + ","
        + std::to_string(frame.y) + "," + std::to_string(frame.width) + ","
        + std::to_string(frame.height) + (show ? " show" : " hide"));
}

void fake_layer::SetNoActivate(WindowId window)
{
    Record("SetNoActivate " + std::to_string(window));
}

int fake_layer::DpiScale()
{
    return dpi_scale;
}

std::optional<std::string> fake_layer::ReadAutorun(const std::string& name)
{
    auto it = autorun.find(name);
    if (it == autorun.end())
        return std::nullopt;
    return it->second;
}

bool fake_layer::SetAutorun(
    const std::string& name, const std::string& program, const std::string& argument)
{
    const std::string command = "\"" + program + "\" " + argument;
    Record("SetAutorun " + name + " " + command);
    autorun[name] = command;
    return true;
}

bool fake_layer::RemoveAutorun(const std::string& name)
{
    Record("RemoveAutorun " + name);
    return autorun.erase(name) > 0;
}

int fake_layer::RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated)
{
    Record("RegisterHotkey " + std::to_string(modifiers) + " " + std::to_string(virtual_key));
    if (refuse_hotkeys)
        return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    const int id = next_hotkey_++;
    hotkeys_[id] = registered_hotkey { modifiers, virtual_key, std::move(activated) };
    return id;
}

void fake_layer::UnregisterHotkey(int id)
{
    Record("UnregisterHotkey " + std::to_string(id));
    std::lock_guard<std::mutex> lock(mutex_);
    hotkeys_.erase(id);
}

} // namespace platform
