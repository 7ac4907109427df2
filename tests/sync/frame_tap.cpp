#include "tests/sync/frame_tap.h"

#include "sync/frame_parser.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 50;

sockaddr_in Loopback(std::uint16_t port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

frame_tap::frame_tap(std::uint16_t server_port)
    : server_port_(server_port)
{
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0
        || ::listen(listener_, 8) != 0
        || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (listener_ >= 0)
            ::close(listener_);
        listener_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    threads_.emplace_back(&frame_tap::Accept, this);
}

frame_tap::~frame_tap()
{
    stop_ = true;
    // The accept thread adds relays; it ends first, so the list no longer changes.
    if (!threads_.empty())
        threads_.front().join();
    for (std::size_t i = 1; i < threads_.size(); ++i)
        threads_[i].join();
    if (listener_ >= 0)
        ::close(listener_);
}

std::vector<std::uint8_t> frame_tap::kinds() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return kinds_;
}

void frame_tap::Accept()
{
    while (!stop_) {
        pollfd wait { listener_, POLLIN, 0 };
        if (::poll(&wait, 1, kPollMs) <= 0)
            continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        const int server = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = Loopback(server_port_);
        if (server < 0
            || ::connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address)
                != 0) {
            ::close(client);
            if (server >= 0)
                ::close(server);
            continue;
        }
        threads_.emplace_back(&frame_tap::Relay, this, client, server);
    }
}

void frame_tap::Relay(int client, int server)
{
    frame_parser parser;
    char buffer[4096];
    pollfd ends[2] = { { client, POLLIN, 0 }, { server, POLLIN, 0 } };
    bool open = true;
    while (open && !stop_) {
        if (::poll(ends, 2, kPollMs) <= 0)
            continue;
        for (int i = 0; i < 2 && open; ++i) {
            if (!(ends[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t n = ::read(ends[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                open = false;
                break;
            }
            if (i == 0) {
                std::lock_guard<std::mutex> lock(mutex_);
                parser.cut_frames(buffer, static_cast<std::size_t>(n),
                    [this](const frame_view& frame) { kinds_.push_back(frame.kind()); });
            }
            for (ssize_t sent = 0; sent < n;) {
                // No SIGPIPE when the other end has gone.
                const ssize_t w = ::send(ends[1 - i].fd, buffer + sent,
                    static_cast<std::size_t>(n - sent), MSG_NOSIGNAL);
                if (w <= 0) {
                    open = false;
                    break;
                }
                sent += w;
            }
        }
    }
    ::close(client);
    ::close(server);
}
