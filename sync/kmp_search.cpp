#include "sync/kmp_search.h"

#include <cstring>

namespace text_search {

kmp_search::kmp_search(const unsigned char* pattern, std::size_t length)
    : table_(new std::uint64_t[max_pattern]())
    , pattern_(new unsigned char[max_pattern]())
{
    if (!pattern || length == 0 || length > max_pattern)
        return;
    std::memcpy(pattern_.get(), pattern, length);
    length_ = length;

    // border[i]: longest proper border of pattern[0..i]; only the previous entries are needed,
    // so the table itself holds them until it is turned into shifts below.
    std::uint64_t* border = table_.get();
    border[0] = 0;
    for (std::size_t i = 1; i < length; ++i) {
        std::uint64_t k = border[i - 1];
        while (k > 0 && pattern[i] != pattern[k])
            k = border[k - 1];
        if (pattern[i] == pattern[k])
            ++k;
        border[i] = k;
    }
    // shift[j] = j - border of the prefix of length j = j - border[j - 1]; walk downwards so
    // each border entry is read before it is overwritten.
    for (std::size_t j = length - 1; j >= 1; --j)
        table_[j] = j - border[j - 1];
    table_[0] = 1;
}

kmp_search::~kmp_search() = default;

std::size_t kmp_search::find(const unsigned char* text, std::size_t length) const
{
    const std::size_t m = length_;
    if (!text || m == 0 || length < m)
        return npos;
    const unsigned char* p = pattern_.get();
    const std::size_t last_start = length - m;
    std::size_t start = 0;
    std::size_t j = 0;
    while (start <= last_start) {
        if (j == 0) {
            // Most positions fail on the first byte; memchr skips them quickly.
            const void* hit = std::memchr(text + start, p[0], last_start - start + 1);
            if (!hit)
                return npos;
            start = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - text);
            j = 1;
            if (j == m)
                return start;
            continue;
        }
        if (text[start + j] == p[j]) {
            if (++j == m)
                return start;
        } else {
            start += table_[j];
            j = 0;
        }
    }
    return npos;
}

} // namespace text_search
