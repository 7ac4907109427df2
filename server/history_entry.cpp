#include "server/history_entry.h"

#include <limits>

namespace syncd {

std::int64_t StampOfName(std::string_view name)
{
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    std::int64_t stamp = 0;
    for (char c : name) {
        if (c < '0' || c > '9')
            break;
        const int digit = c - '0';
        if (stamp > (max - digit) / 10)
            return max;
        stamp = stamp * 10 + digit;
    }
    return stamp;
}

bool IsNewer(const history_entry& a, const history_entry& b)
{
    if (a.stamp != b.stamp)
        return a.stamp > b.stamp;
    if (a.name.size() != b.name.size())
        return a.name.size() > b.name.size();
    return a.name > b.name;
}

bool ParseTypeCode(std::string_view text, int& type, bool& favourite)
{
    if (text.empty() || text.size() > 2)
        return false;
    int code = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        code = code * 10 + (c - '0');
    }
    favourite = code >= 10;
    type = favourite ? code - 10 : code;
    return type >= 0 && type <= 2;
}

} // namespace syncd
