// A real quillbox-syncd for tests: started on a free 127.0.0.1 port with its own data folder
// and cheap password hashing, stopped when the object goes.
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
    // extra: further command-line options.
    explicit server_process(std::vector<std::string> extra = {});
    ~server_process() { stop(); }

    // port 0 lets the server choose; returns false when it did not come up within 10 s.
    bool start(std::uint16_t port = 0);
    // SIGTERM, then SIGKILL if it has not ended within 5 s.
    void stop();

    std::uint16_t port() const { return port_; }
    int pid() const { return pid_; }
    // The server's resident memory in KiB, -1 when it cannot be read.
    long rss_kb() const;
    std::string data_folder() const { return folder_.path() + "/data"; }
    // How often text occurs in everything the server printed.
    std::size_t count_in_log(const std::string& text) const;
    bool wait_for_log(
        const std::string& text, std::size_t count, std::chrono::milliseconds timeout) const;

private:
    std::string log_path() const { return folder_.path() + "/syncd.log"; }
    std::string log() const;

    temp_folder folder_;
    std::vector<std::string> extra_;
    int pid_ = -1;
    std::uint16_t port_ = 0;
};
