#include "platform/x11/x11_platform.h"

#include "platform/x11/xdg_autostart.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <X11/Xlib.h>

namespace platform {

X11Platform::X11Platform(bool with_display)
{
    if (!with_display)
        return;
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        std::fprintf(stderr, "platform: cannot open the X display; window operations are off\n");
}

X11Platform::~X11Platform()
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

int X11Platform::DpiScale()
{
    if (!display_)
        return 1;
    return DpiScaleFromResources(XResourceManagerString(display_));
}

std::optional<std::string> X11Platform::ReadAutorun(const std::string& name)
{
    return XdgAutostart::Read(name);
}

bool X11Platform::SetAutorun(
    const std::string& name, const std::string& program, const std::string& argument)
{
    return XdgAutostart::Write(name, program, argument);
}

bool X11Platform::RemoveAutorun(const std::string& name)
{
    return XdgAutostart::Remove(name);
}

} // namespace platform
