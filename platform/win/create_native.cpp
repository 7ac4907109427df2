#include "platform/platform.h"
#include "platform/win/win_platform.h"

namespace platform {

std::unique_ptr<Platform> CreateNative(const std::string&)
{
    return std::make_unique<WinPlatform>();
}

} // namespace platform
