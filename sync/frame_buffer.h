// One outgoing or incoming frame buffer of fixed size.
#pragma once

#include <cstddef>

class frame_buffer {
public:
    static constexpr std::size_t max_length = 2048;

    frame_buffer();

    char* data() { return data_; }
    const char* data() const { return data_; }
    std::size_t length() const { return length_; }

    // Clamped to max_length so a write never reaches past the buffer.
    void set_length(std::size_t length);

private:
    std::size_t length_ = 0;
    char data_[max_length + 1]; // one spare zero byte ends a text payload
};
