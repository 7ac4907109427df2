// The version a client sends in its login payload, and the comparison the server applies.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace syncd {

class client_version {
public:
    // Dotted decimal text, one to four numbers ("1.0.0.20181001"); nothing when malformed.
    static std::optional<client_version> from_text(std::string_view text);
    // A login payload: an 8-byte little-endian length, then that many characters.
    static std::optional<client_version> from_login_payload(std::string_view payload);

    bool operator<(const client_version& other) const;

private:
    std::vector<std::uint64_t> parts_;
};

} // namespace syncd
