#include "sync/chat_message.h"

#include <cstring>

chat_message::chat_message()
{
    std::memset(data_, 0, sizeof data_);
}

void chat_message::set_length(std::size_t length)
{
    package_length_ = length < max_package_length ? length : max_package_length;
}
