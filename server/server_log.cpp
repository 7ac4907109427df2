#include "server/server_log.h"

#include <chrono>
#include <ctime>
#include <iostream>
#include <mutex>

namespace syncd {

void log_event(const std::string& line)
{
    static std::mutex mutex;
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm parts {};
    gmtime_r(&seconds, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &parts);
    std::lock_guard<std::mutex> lock(mutex);
    std::cout << stamp << ' ' << line << std::endl;
}

} // namespace syncd
