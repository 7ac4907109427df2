#include "platform/fake/fake_platform.h"

#include <fstream>

namespace platform {

std::vector<std::string> FakePlatform::Calls() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

void FakePlatform::ClearCalls()
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

void FakePlatform::Record(std::string call)
{
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(std::move(call));
}

bool FakePlatform::PressHotkey(int modifiers, int virtual_key)
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

WindowId FakePlatform::ForegroundWindow()
{
    Record("ForegroundWindow");
    return foreground;
}

std::string FakePlatform::WindowTitle(WindowId window)
{
    Record("WindowTitle " + std::to_string(window));
    auto it = titles.find(window);
    return it == titles.end() ? std::string() : it->second;
}

WindowId FakePlatform::FocusedChild(WindowId window)
{
    Record("FocusedChild " + std::to_string(window));
    auto it = focused_children.find(window);
    return it == focused_children.end() ? 0 : it->second;
}

bool FakePlatform::BringToFront(WindowId window)
{
    Record("BringToFront " + std::to_string(window));
    foreground = window;
    return window != 0;
}

bool FakePlatform::SaveWindowIconPng(WindowId window, const std::string& path)
{
    Record("SaveWindowIconPng " + std::to_string(window) + " " + path);
    auto it = icon_png.find(window);
    if (it == icon_png.end())
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << it->second;
    return static_cast<bool>(out);
}

void FakePlatform::SendKey(int virtual_key, bool down)
{
    Record("SendKey " + std::to_string(virtual_key) + (down ? " down" : " up"));
}

int FakePlatform::HeldModifiers()
{
    return held_modifiers;
}

std::vector<Rect> FakePlatform::Monitors()
{
    return monitors;
}

std::vector<TopLevelWindow> FakePlatform::VisibleTopLevelWindows()
{
    return windows;
}

void FakePlatform::SetTopmost(WindowId window, const Rect& frame, bool show)
{
    Record("SetTopmost " + std::to_string(window) + " " + std::to_string(frame.x) + ","
        + std::to_string(frame.y) + "," + std::to_string(frame.width) + ","
        + std::to_string(frame.height) + (show ? " show" : " hide"));
}

void FakePlatform::SetNoActivate(WindowId window)
{
    Record("SetNoActivate " + std::to_string(window));
}

int FakePlatform::DpiScale()
{
    return dpi_scale;
}

std::optional<std::string> FakePlatform::ReadAutorun(const std::string& name)
{
    auto it = autorun.find(name);
    if (it == autorun.end())
        return std::nullopt;
    return it->second;
}

bool FakePlatform::SetAutorun(
    const std::string& name, const std::string& program, const std::string& argument)
{
    const std::string command = "\"" + program + "\" " + argument;
    Record("SetAutorun " + name + " " + command);
    autorun[name] = command;
    return true;
}

bool FakePlatform::RemoveAutorun(const std::string& name)
{
    Record("RemoveAutorun " + name);
    return autorun.erase(name) > 0;
}

int FakePlatform::RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated)
{
    Record("RegisterHotkey " + std::to_string(modifiers) + " " + std::to_string(virtual_key));
    if (refuse_hotkeys)
        return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    const int id = next_hotkey_++;
    hotkeys_[id] = Hotkey { modifiers, virtual_key, std::move(activated) };
    return id;
}

void FakePlatform::UnregisterHotkey(int id)
{
    Record("UnregisterHotkey " + std::to_string(id));
    std::lock_guard<std::mutex> lock(mutex_);
    hotkeys_.erase(id);
}

} // namespace platform
