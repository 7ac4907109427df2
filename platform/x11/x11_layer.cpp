#include "platform/x11/x11_layer.h"

#include "platform/log_once.h"
#include "platform/x11/x11_hotkey_grabs.h"
#include "platform/x11/x11_window_list.h"
#include "platform/x11/xdg_autostart.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <X11/Xlib.h>

namespace platform {
namespace {

constexpr const char* kHotkeysReason = "global hotkeys need the X display; none is registered";
std::atomic<bool> hotkeys_said { false };

} // namespace

x11_layer::x11_layer(bool with_display)
{
    if (!with_display)
        return;
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        std::fprintf(stderr, "platform: cannot open the X display; window operations are off\n");
}

x11_layer::~x11_layer()
{
    if (display_)
        XCloseDisplay(display_);
}

int DpiScaleFromResources(const char* resource_manager)
{
    if (!resource_manager)
        return 1;
    const char* key = "Xft.dpi:";
    const char* at = resource_manager;
    while ((at = std::strstr(at, key)) != nullptr) {
        // Only at the start of a line: "Foo.Xft.dpi" is another resource.
        if (at == resource_manager || at[-1] == '\n') {
            const double dpi = std::strtod(at + std::strlen(key), nullptr);
            const int scale = dpi > 0 && dpi < 10000 ? static_cast<int>(dpi) / 96 : 1;
            return scale < 1 ? 1 : scale;
        }
        at += std::strlen(key);
    }
    return 1;
}

int x11_layer::DpiScale()
{
    if (!display_)
        return 1;
    return DpiScaleFromResources(XResourceManagerString(display_));
}

std::optional<std::string> x11_layer::ReadAutorun(const std::string& name)
{
    return xdg_autostart::Read(name);
}

bool x11_layer::SetAutorun(
    const std::string& name, const std::string& program, const std::string& argument)
{
    return xdg_autostart::Write(name, program, argument);
}

bool x11_layer::RemoveAutorun(const std::string& name)
{
    return xdg_autostart::Remove(name);
}

int x11_layer::RegisterHotkey(int modifiers, int virtual_key, std::function<void()> activated)
{
    if (!display_) {
        LogOnce(hotkeys_said, kHotkeysReason);
        return 0;
    }
    if (!hotkeys_)
        hotkeys_ = std::make_unique<x11_hotkey_grabs>();
    return hotkeys_->Register(modifiers, virtual_key, std::move(activated));
}

void x11_layer::UnregisterHotkey(int id)
{
    if (hotkeys_)
        hotkeys_->Unregister(id);
}

} // namespace platform
