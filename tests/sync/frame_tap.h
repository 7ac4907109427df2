// A loopback relay between a client and the real server that notes the kind of every frame
// the client sends, so a test can see what went out. Stops itself when destroyed.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

class frame_tap {
public:
    // Relays 127.0.0.1:port() to 127.0.0.1:server_port; false from listening() on failure.
    explicit frame_tap(std::uint16_t server_port);
    ~frame_tap();
    frame_tap(const frame_tap&) = delete;
    frame_tap& operator=(const frame_tap&) = delete;

    bool listening() const { return listener_ >= 0; }
    std::uint16_t port() const { return port_; }
    // Kinds of the client's frames so far, in order.
    std::vector<std::uint8_t> kinds() const;

private:
    void Accept();
    void Relay(int client, int server);

    const std::uint16_t server_port_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_ { false };
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> kinds_;
    std::vector<std::thread> threads_;
};
