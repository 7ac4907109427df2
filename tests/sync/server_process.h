// A real quillbox-syncd for tests: started on a free 127.0.0.1 port with its own data folder,
// stopped when the object goes.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class temp_folder {
public:
    temp_folder();
    ~temp_folder();
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class server_process {
public:
    // extra: further command-line options; data: the data folder (a fresh one when empty).
    explicit server_process(std::vector<std::string> extra = {}, std::string data = {});
    ~server_process();

    // port 0 lets the server choose; returns false when it did not come up within 10 s.
    bool start(std::uint16_t port = 0);
    // SIGTERM, then SIGKILL if it has not ended within 5 s.
    void stop();

    std::uint16_t port() const { return port_; }
    int pid() const { return pid_; }
    const std::string& data_folder() const { return data_; }
    std::string log() const;
    // Lines of the log containing text.
    std::size_t count_in_log(const std::string& text) const;
    bool wait_for_log(
        const std::string& text, std::size_t count, std::chrono::milliseconds timeout) const;

private:
    temp_folder folder_;
    std::vector<std::string> extra_;
    std::string data_;
    std::string log_path_;
    int pid_ = -1;
    std::uint16_t port_ = 0;
};

// A 127.0.0.1 port nobody listens on (bound once, then released).
std::uint16_t unused_port();
