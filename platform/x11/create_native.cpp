#include "platform/platform.h"
#include "platform/x11/x11_platform.h"

#include <cstdio>

namespace platform {

std::unique_ptr<Platform> CreateNative(const std::string& qt_platform_name)
{
    const bool xcb = qt_platform_name == "xcb";
    if (!xcb)
        std::fprintf(stderr,
            "platform: Qt runs on \"%s\", not xcb; window, key and hotkey "
            "operations are off\n",
            qt_platform_name.c_str());
    return std::make_unique<X11Platform>(xcb);
}

} // namespace platform
