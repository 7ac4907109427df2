#include "platform/platform.h"
#include "platform/x11/x11_layer.h"

#include <cstdio>

namespace platform {

std::unique_ptr<layer> CreateNative(const std::string& qt_platform_name)
{
    const bool xcb = qt_platform_name == "xcb";
    if (!xcb)
        std::fprintf(stderr,
            "platform: Qt runs on \"%s\", not xcb; window, key and hotkey "
            "operations are off\n",
            qt_platform_name.c_str());
    return std::make_unique<x11_layer>(xcb);
}

} // namespace platform
