#include "sync/reply_texts.h"

namespace wire {

bool is_refusal_text(std::string_view payload)
{
    return payload == refusal_password || payload == refusal_version
        || payload == refusal_permission || payload == refusal_money;
}

} // namespace wire
