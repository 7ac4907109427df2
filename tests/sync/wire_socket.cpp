#include "tests/sync/wire_socket.h"

#include "sync/frame_builder.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

wire_socket::~wire_socket()
{
    if (fd_ >= 0)
        close(fd_);
}

bool wire_socket::connect(std::uint16_t port)
{
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

bool wire_socket::send(const chat_message& message)
{
    return send_raw(std::string(message.data(), message.length()));
}

bool wire_socket::send_raw(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<chat_content> wire_socket::read_frame(std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (frames_.empty() && !peer_closed_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd p { fd_, POLLIN, 0 };
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            break;
        char buffer[2048];
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            peer_closed_ = true;
            break;
        }
        parser_.parse_data(buffer, static_cast<std::size_t>(n), frames_);
    }
    if (frames_.empty())
        return std::nullopt;
    chat_content frame = std::move(frames_.front());
    frames_.erase(frames_.begin());
    return frame;
}

bool wire_socket::wait_closed(std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!peer_closed_ && std::chrono::steady_clock::now() < end)
        read_frame(std::chrono::milliseconds(50));
    return peer_closed_;
}

std::string reply_of(const chat_content& frame)
{
    const auto text = wire::reply_text(frame.payload_view());
    return text ? *text : std::string(frame.payload_view());
}
