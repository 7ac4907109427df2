#include "platform/platform.h"

#include "platform/null_layer.h"

namespace platform {
namespace {

std::unique_ptr<layer>& Slot()
{
    static auto* slot = new std::unique_ptr<layer>(std::make_unique<null_layer>());
    return *slot;
}

} // namespace

layer& Current()
{
    return *Slot();
}

void Install(std::unique_ptr<layer> implementation)
{
    if (implementation)
        Slot() = std::move(implementation);
}

} // namespace platform
