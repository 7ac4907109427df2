#include "tests/sync/server_process.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#ifndef QUILLBOX_SYNCD_PATH
#error "QUILLBOX_SYNCD_PATH must name the quillbox-syncd program"
#endif

temp_folder::temp_folder()
{
    std::string pattern
        = (std::filesystem::temp_directory_path() / "quillbox-sync-test-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        path_ = pattern;
}

temp_folder::~temp_folder()
{
    std::error_code ignored;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ignored);
}

server_process::server_process(std::vector<std::string> extra, std::string data)
    : extra_(std::move(extra))
    , data_(std::move(data))
{
    if (data_.empty())
        data_ = folder_.path() + "/data";
    log_path_ = folder_.path() + "/syncd.log";
}

server_process::~server_process()
{
    stop();
}

bool server_process::start(std::uint16_t port)
{
    stop();
    std::ofstream(log_path_, std::ios::app) << "";
    std::vector<std::string> args
        = { QUILLBOX_SYNCD_PATH, "--listen", "127.0.0.1:" + std::to_string(port), "--data", data_ };
    args.insert(args.end(), extra_.begin(), extra_.end());
    const std::size_t started_before = count_in_log("listening on");

    pid_ = fork();
    if (pid_ == 0) {
        // A test that aborts (a sanitizer report) must not leave its server running.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int fd = open(log_path_.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid_ < 0)
        return false;
    if (!wait_for_log("listening on", started_before + 1, std::chrono::seconds(10)))
        return false;
    // The last "listening on 127.0.0.1:PORT" line names the port.
    const std::string text = log();
    const auto at = text.rfind("listening on 127.0.0.1:");
    port_ = static_cast<std::uint16_t>(
        std::atoi(text.c_str() + at + std::string("listening on 127.0.0.1:").size()));
    return port_ != 0;
}

void server_process::stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string server_process::log() const
{
    std::ifstream file(log_path_);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::size_t server_process::count_in_log(const std::string& text) const
{
    const std::string all = log();
    std::size_t count = 0;
    for (auto pos = all.find(text); pos != std::string::npos; pos = all.find(text, pos + 1))
        ++count;
    return count;
}

bool server_process::wait_for_log(
    const std::string& text, std::size_t count, std::chrono::milliseconds timeout) const
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (count_in_log(text) >= count)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return count_in_log(text) >= count;
}

std::uint16_t unused_port()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof address;
    std::uint16_t port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}
