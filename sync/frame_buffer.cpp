#include "sync/frame_buffer.h"

#include <cstring>

frame_buffer::frame_buffer()
{
    std::memset(data_, 0, sizeof data_);
}

void frame_buffer::set_length(std::size_t length)
{
    length_ = length < max_length ? length : max_length;
}
