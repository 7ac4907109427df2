// The shared account that keeps the link open while nobody is logged in. The server lets it
// log in whatever happens and keeps no data for it.
#pragma once

#include <string_view>

namespace wire {

// Nine decimal digits agreed between client and server; also the id of every heartbeat.
constexpr std::string_view heartbeat_id = "314159265";
constexpr std::string_view anonymous_account = "#314159265";
// '#' and eight lowercase letters; sent as its MD5 digest like any password.
constexpr std::string_view anonymous_password = "#clipsync";

// The version every login frame carries.
constexpr std::string_view client_version = "1.0.0.20181001";

} // namespace wire
