// A plain blocking client socket on 127.0.0.1 for the server tests, frame by frame.
#pragma once

#include "sync/frame_parser.h"
#include "sync/frame_record.h"
#include "tests/sync/wire_test_support.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

class wire_socket {
public:
    // receive_buffer: a small one makes a client that never reads fill the server's side soon.
    explicit wire_socket(std::uint16_t port, int receive_buffer = 0)
    {
        if (receive_buffer > 0)
            setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receive_buffer, sizeof receive_buffer);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        connected = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~wire_socket() { close(fd_); }
    wire_socket(const wire_socket&) = delete;
    wire_socket& operator=(const wire_socket&) = delete;

    // A blocking send on loopback hands over all the bytes at once.
    bool send(const std::string& bytes)
    {
        return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL)
            == static_cast<ssize_t>(bytes.size());
    }
    // Without waiting: false when the bytes did not all fit or the peer is gone.
    bool send_now(const std::string& bytes)
    {
        return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT)
            == static_cast<ssize_t>(bytes.size());
    }
    // The next frame, or nothing when none came within the timeout or the peer closed.
    std::optional<frame_record> read_frame(
        std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        timeval limit {};
        limit.tv_sec = timeout.count() / 1000;
        limit.tv_usec = timeout.count() % 1000 * 1000;
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        char buffer[2048];
        while (frames_.empty() && !peer_closed) {
            const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            peer_closed = n <= 0;
            if (n > 0)
                parser_.parse_data(buffer, static_cast<std::size_t>(n), frames_);
        }
        if (frames_.empty())
            return std::nullopt;
        frame_record frame = std::move(frames_.front());
        frames_.erase(frames_.begin());
        return frame;
    }
    // The reply text or refusal of the next frame; empty when none came.
    std::string reply()
    {
        const auto frame = read_frame();
        return frame ? reply_of(frame->payload_view()) : std::string();
    }
    // True when the peer closes the connection, skipping the frames before; each read waits
    // up to timeout.
    bool wait_closed(std::chrono::milliseconds timeout)
    {
        while (read_frame(timeout))
            continue;
        return peer_closed;
    }

    bool connected = false;
    bool peer_closed = false;

private:
    int fd_ = socket(AF_INET, SOCK_STREAM, 0);
    frame_parser parser_;
    std::vector<frame_record> frames_;
};
