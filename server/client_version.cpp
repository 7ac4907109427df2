#include "server/client_version.h"

#include "sync/wire_format.h"

namespace syncd {

std::optional<client_version> client_version::from_text(std::string_view text)
{
    client_version version;
    std::size_t pos = 0;
    while (true) {
        std::size_t digits = 0;
        std::uint64_t value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            if (++digits > 12)
                return std::nullopt;
            value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
            ++pos;
        }
        if (digits == 0 || version.parts_.size() == 4)
            return std::nullopt;
        version.parts_.push_back(value);
        if (pos == text.size())
            return version;
        if (text[pos] != '.')
            return std::nullopt;
        ++pos;
    }
}

std::optional<client_version> client_version::from_login_payload(std::string_view payload)
{
    if (payload.size() < 8)
        return std::nullopt;
    const std::uint64_t length
        = wire::load_le64(reinterpret_cast<const unsigned char*>(payload.data()));
    if (length > payload.size() - 8)
        return std::nullopt;
    return from_text(payload.substr(8, static_cast<std::size_t>(length)));
}

bool client_version::operator<(const client_version& other) const
{
    // Missing trailing parts count as zero: 1.2 == 1.2.0.0.
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint64_t a = i < parts_.size() ? parts_[i] : 0;
        const std::uint64_t b = i < other.parts_.size() ? other.parts_[i] : 0;
        if (a != b)
            return a < b;
    }
    return false;
}

} // namespace syncd
