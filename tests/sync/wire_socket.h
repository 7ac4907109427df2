// A plain blocking client socket on 127.0.0.1 for talking to the server frame by frame.
#pragma once

#include "sync/chat_content.h"
#include "sync/chat_message.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class wire_socket {
public:
    wire_socket() = default;
    ~wire_socket();
    wire_socket(const wire_socket&) = delete;
    wire_socket& operator=(const wire_socket&) = delete;

    bool connect(std::uint16_t port);
    bool send(const chat_message& message);
    bool send_raw(const std::string& bytes);
    // The next frame, or nothing when none came within the timeout or the peer closed.
    std::optional<chat_content> read_frame(std::chrono::milliseconds timeout);
    // True when the peer closes the connection within the timeout.
    bool wait_closed(std::chrono::milliseconds timeout);

private:
    int fd_ = -1;
    chat_content parser_;
    std::vector<chat_content> frames_;
    bool peer_closed_ = false;
};

// The JSON reply text of a frame, or its raw payload when it is not JSON.
std::string reply_of(const chat_content& frame);
