#include "platform/platform.h"

#include "platform/null_platform.h"

namespace platform {
namespace {

std::unique_ptr<Platform>& Slot()
{
    static auto* slot = new std::unique_ptr<Platform>(std::make_unique<NullPlatform>());
    return *slot;
}

} // namespace

Platform& Current()
{
    return *Slot();
}

void Install(std::unique_ptr<Platform> implementation)
{
    if (implementation)
        Slot() = std::move(implementation);
}

} // namespace platform
