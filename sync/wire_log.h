// Diagnostics of the sync code. Lines go to standard output (info) or standard
// error (error) unless a handler is installed, which tests and fuzzers use.
#pragma once

#include <functional>
#include <string>

namespace wire {

enum class log_level { info, error };

using log_handler = std::function<void(log_level level, const std::string& line)>;

void log_info(const std::string& line);
void log_error(const std::string& line);

// Replaces the output of every later line; an empty handler restores the streams.
void set_log_handler(log_handler handler);

} // namespace wire
