// One outgoing or incoming frame buffer of fixed size.
#pragma once

#include <cstddef>

class chat_message {
public:
    static constexpr std::size_t max_package_length = 2048;

    chat_message();

    char* data() { return data_; }
    const char* data() const { return data_; }
    std::size_t length() const { return package_length_; }

    // Clamped to max_package_length so a write never reaches past the buffer.
    void set_length(std::size_t length);

private:
    std::size_t package_length_ = 0;
    char data_[max_package_length + 1]; // one spare zero byte ends a text payload
};
