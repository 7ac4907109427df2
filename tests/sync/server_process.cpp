#include "tests/sync/server_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

server_process::server_process(std::vector<std::string> extra)
    : extra_(std::move(extra))
{
    // The production hash settings would make every register and login take a while; a
    // test's own options come after, so they win.
    extra_.insert(extra_.begin(), { "--hash-ops", "1", "--hash-memory-kb", "8" });
}

bool server_process::start(std::uint16_t port)
{
    stop();
    std::vector<std::string> args = { QUILLBOX_SYNCD_PATH, "--listen",
        "127.0.0.1:" + std::to_string(port), "--data", data_folder() };
    args.insert(args.end(), extra_.begin(), extra_.end());
    const std::string listening = "listening on 127.0.0.1:";
    const std::size_t started_before = count_in_log(listening);
    pid_ = fork();
    if (pid_ == 0) {
        // A test that aborts (a sanitizer report) must not leave its server running.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int fd = open(log_path().c_str(), O_WRONLY | O_APPEND | O_CREAT, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (pid_ < 0 || !wait_for_log(listening, started_before + 1, std::chrono::seconds(10)))
        return false;
    // The log is appended to on a restart; its last "listening on" line names the port.
    const std::string text = log();
    port_ = static_cast<std::uint16_t>(
        std::atoi(text.c_str() + text.rfind(listening) + listening.size()));
    return port_ != 0;
}

void server_process::stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    bool ended = false;
    for (int i = 0; i < 50 && !(ended = waitpid(pid_, nullptr, WNOHANG) == pid_); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!ended) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

std::string server_process::log() const
{
    std::ifstream file(log_path());
    return std::string(std::istreambuf_iterator<char>(file), {});
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
    while (count_in_log(text) < count) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

long server_process::rss_kb() const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
