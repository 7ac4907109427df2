// Bounded polling for end-to-end tests.
#pragma once

#include <functional>

namespace e2e {

// Polls every 50 ms until the condition holds or the time is up; returns the
// last answer. Never waits longer than timeout_ms (plus one poll).
bool WaitUntil(const std::function<bool()>& condition, int timeout_ms);

} // namespace e2e
