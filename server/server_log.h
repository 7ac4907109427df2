// One line per event on standard error (the journal, under systemd), with the time, so
// operators can follow logins, registrations and refusals. Lines are buffered; the server
// flushes them a few times a second, not once per line, so a burst of events costs no
// write per line.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace syncd {

void log_event(const std::string& line);
void flush_log();

// Folds the repeated events of one connection: the first of a kind is logged at once, its
// repeats are counted and logged as one line per interval (and when the connection ends).
// Dropped garbage is summed the same way. Used from the connection's own thread only.
class folded_log {
public:
    using clock = std::chrono::steady_clock;

    folded_log(std::string address, std::chrono::seconds interval);
    ~folded_log() { flush(clock::now()); }
    folded_log(const folded_log&) = delete;
    folded_log& operator=(const folded_log&) = delete;

    void event(const std::string& line, clock::time_point now);
    void dropped(std::uint64_t bytes, clock::time_point now);
    // Logs what is still counted.
    void flush(clock::time_point now);

private:
    void flush_repeats(clock::time_point now);
    void flush_dropped(clock::time_point now);

    std::string address_;
    std::chrono::seconds interval_;
    std::string last_line_;
    std::uint64_t repeats_ = 0;
    clock::time_point repeats_since_;
    std::uint64_t dropped_ = 0;
    clock::time_point dropped_since_;
};

// 1769196 as "1,769,196".
std::string grouped_number(std::uint64_t n);

} // namespace syncd
