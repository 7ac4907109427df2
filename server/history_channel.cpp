#include "server/history_channel.h"

#include <unistd.h>

namespace syncd {

history_channel::~history_channel()
{
    for (const auto& file : unclaimed)
        ::unlink(file.path.c_str());
}

} // namespace syncd
