#include "platform/platform.h"
#include "platform/win/win_layer.h"

namespace platform {

std::unique_ptr<layer> CreateNative(const std::string&)
{
    return std::make_unique<win_layer>();
}

} // namespace platform
