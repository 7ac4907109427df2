#include "sync/wire_log.h"

#include <iostream>
#include <mutex>

namespace wire {
namespace {

struct log_state {
    std::mutex mutex;
    log_handler handler;
};

log_state& state()
{
    static auto* s = new log_state; // never destroyed: I/O threads may log during exit
    return *s;
}

void write(log_level level, const std::string& line)
{
    auto& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.handler) {
        s.handler(level, line);
        return;
    }
    auto& out = level == log_level::info ? std::cout : std::cerr;
    out << line << std::endl;
}

} // namespace

void log_info(const std::string& line)
{
    write(log_level::info, line);
}

void log_error(const std::string& line)
{
    write(log_level::error, line);
}

void set_log_handler(log_handler handler)
{
    auto& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.handler = std::move(handler);
}

} // namespace wire
