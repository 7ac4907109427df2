#include "server/server_log.h"

#include <cstdio>
#include <ctime>
#include <mutex>

namespace syncd {

namespace {

std::mutex& log_mutex()
{
    static auto* mutex = new std::mutex; // never destroyed: I/O threads may log during exit
    return *mutex;
}

// Lines waiting for the next flush; standard error itself is unbuffered.
std::string& pending_lines()
{
    static auto* lines = new std::string;
    return *lines;
}

void write_pending()
{
    std::string& lines = pending_lines();
    std::fwrite(lines.data(), 1, lines.size(), stderr);
    std::fflush(stderr);
    lines.clear();
}

std::string seconds_text(folded_log::clock::duration d)
{
    return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(d).count()) + " s";
}

} // namespace

void log_event(const std::string& line)
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm parts {};
    gmtime_r(&seconds, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &parts);
    std::lock_guard<std::mutex> lock(log_mutex());
    std::string& lines = pending_lines();
    lines.append(stamp).append(1, ' ').append(line).append(1, '\n');
    if (lines.size() > 64 * 1024)
        write_pending();
}

void flush_log()
{
    std::lock_guard<std::mutex> lock(log_mutex());
    write_pending();
}

std::string grouped_number(std::uint64_t n)
{
    std::string digits = std::to_string(n);
    for (std::size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, 1, ',');
    return digits;
}

folded_log::folded_log(std::string address, std::chrono::seconds interval)
    : address_(std::move(address))
    , interval_(interval)
{
}

void folded_log::event(const std::string& line, clock::time_point now)
{
    if (line == last_line_) {
        if (repeats_++ == 0)
            repeats_since_ = now;
        if (now - repeats_since_ >= interval_)
            flush_repeats(now);
        return;
    }
    flush_repeats(now);
    last_line_ = line;
    log_event(line);
}

void folded_log::dropped(std::uint64_t bytes, clock::time_point now)
{
    if (bytes == 0)
        return;
    if (dropped_ == 0)
        dropped_since_ = now;
    dropped_ += bytes;
    if (now - dropped_since_ >= interval_)
        flush_dropped(now);
}

void folded_log::flush(clock::time_point now)
{
    flush_repeats(now);
    flush_dropped(now);
}

void folded_log::flush_repeats(clock::time_point now)
{
    if (repeats_ == 0)
        return;
    log_event(last_line_ + " (" + grouped_number(repeats_) + " more times in "
        + seconds_text(now - repeats_since_) + ")");
    repeats_ = 0;
}

void folded_log::flush_dropped(clock::time_point now)
{
    if (dropped_ == 0)
        return;
    log_event("dropped " + grouped_number(dropped_) + " bytes of garbage from " + address_ + " in "
        + seconds_text(now - dropped_since_));
    dropped_ = 0;
}

} // namespace syncd
