// Search of a fixed byte pattern with a shift table built from the pattern's borders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace text_search {

class kmp_search {
public:
    static constexpr std::size_t max_pattern = 4096;
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // An empty, null or over-long pattern leaves the search finding nothing.
    kmp_search(const unsigned char* pattern, std::size_t length);
    virtual ~kmp_search();

    kmp_search(const kmp_search&) = delete;
    kmp_search& operator=(const kmp_search&) = delete;

    // Offset of the first occurrence lying wholly inside [text, text + length), or npos.
    std::size_t find(const unsigned char* text, std::size_t length) const;

    std::size_t pattern_length() const { return length_; }

private:
    // table_[0] = 1; table_[j] = j minus the longest proper border of pattern[0..j-1].
    std::unique_ptr<std::uint64_t[]> table_;
    std::unique_ptr<unsigned char[]> pattern_;
    std::size_t length_ = 0;
};

} // namespace text_search
