// Loopback clients for the server benchmarks: well-behaved ones that log in again and again
// and time each answer, driven from one thread by poll; and the server's resident memory.
#pragma once

#include "sync/frame_builder.h"
#include "sync/frame_parser.h"
#include "sync/md5.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

using clock = std::chrono::steady_clock;

inline int connect_loopback(std::uint16_t port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (fd >= 0)
            close(fd);
        return -1;
    }
    return fd;
}

inline std::string login_bytes(const std::string& account, const std::string& password)
{
    frame_buffer m;
    wire::build_login(m, account, wire::md5_hex(password));
    return std::string(m.data(), m.length());
}

// Reads until the next whole frame has arrived; false when the connection ended first.
inline bool read_frame(int fd, frame_parser& parser)
{
    std::vector<frame_record> out;
    char buffer[2048];
    while (out.empty()) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        parser.parse_data(buffer, static_cast<std::size_t>(n), out);
    }
    return true;
}

// Clients that each send a login, wait for its answer, pause, and log in again; every answer's
// time is kept, the first login of each client apart: it pays the full password check before
// the server remembers the digest. A login not answered within 5 s counts as 5 s and the client
// reconnects.
class login_clients {
public:
    login_clients(
        std::uint16_t port, std::vector<std::string> logins, std::chrono::milliseconds pause)
        : port_(port)
        , pause_(pause)
    {
        for (auto& bytes : logins)
            clients_.push_back({ -1, std::move(bytes), {}, clock::now(), false, true, {} });
    }
    ~login_clients()
    {
        for (auto& c : clients_)
            if (c.fd >= 0)
                close(c.fd);
    }

    // Runs until end; call from one thread.
    void run(clock::time_point end)
    {
        std::vector<pollfd> polls(clients_.size());
        while (clock::now() < end) {
            const auto now = clock::now();
            for (std::size_t i = 0; i < clients_.size(); ++i) {
                auto& c = clients_[i];
                if (c.waiting && now - c.sent > std::chrono::seconds(5)) {
                    (c.first ? first_times_ : times_).push_back(5000);
                    c.first = false;
                    restart(c);
                }
                if (!c.waiting && now >= c.next) {
                    if (c.fd < 0)
                        c.fd = connect_loopback(port_);
                    c.sent = now;
                    c.waiting = c.fd >= 0
                        && send(c.fd, c.login.data(), c.login.size(), MSG_NOSIGNAL)
                            == static_cast<ssize_t>(c.login.size());
                    if (!c.waiting)
                        restart(c);
                }
                polls[i] = { c.waiting ? c.fd : -1, POLLIN, 0 };
            }
            if (poll(polls.data(), polls.size(), 5) <= 0)
                continue;
            for (std::size_t i = 0; i < clients_.size(); ++i)
                if (polls[i].revents)
                    receive(clients_[i]);
        }
    }

    // The q-quantile of the answer times in milliseconds, without or of the first logins.
    double quantile_ms(double q) { return quantile(times_, q); }
    double first_quantile_ms(double q) { return quantile(first_times_, q); }
    std::size_t answered() const { return times_.size(); }

private:
    struct client {
        int fd;
        std::string login;
        clock::time_point sent;
        clock::time_point next;
        bool waiting;
        bool first;
        frame_parser parser;
    };

    static double quantile(std::vector<double>& times, double q)
    {
        if (times.empty())
            return -1;
        std::sort(times.begin(), times.end());
        return times[std::min(times.size() - 1, static_cast<std::size_t>(q * times.size()))];
    }

    void restart(client& c)
    {
        if (c.fd >= 0)
            close(c.fd);
        c.fd = -1;
        c.waiting = false;
        c.parser = frame_parser();
        c.next = clock::now() + pause_;
    }

    void receive(client& c)
    {
        char buffer[2048];
        const ssize_t n = recv(c.fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            restart(c);
            return;
        }
        std::vector<frame_record> out;
        if (!c.parser.parse_data(buffer, static_cast<std::size_t>(n), out))
            return;
        const auto now = clock::now();
        (c.first ? first_times_ : times_)
            .push_back(std::chrono::duration<double, std::milli>(now - c.sent).count());
        c.first = false;
        c.waiting = false;
        c.next = now + pause_;
    }

    std::uint16_t port_;
    std::chrono::milliseconds pause_;
    std::vector<client> clients_;
    std::vector<double> times_;
    std::vector<double> first_times_;
};

} // namespace bench
