// One line per event on standard output, with the time, so operators can follow logins,
// registrations and refusals.
#pragma once

#include <string>

namespace syncd {

void log_event(const std::string& line);

} // namespace syncd
