// One entry of an account's history as the server keeps it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace syncd {

struct history_entry {
    std::string name; // the content file's plain name
    int type = 0; // 0 text, 1 image, 2 file list
    bool favourite = false;
    std::string md5; // may be empty: the sender could not read its file
    std::string title; // the source window's title
    std::int64_t stamp = 0; // the base name's leading number, the capture time
    std::int64_t size = 0; // bytes of the stored file

    // The index's type text: the type, plus 10 for a favourite.
    int TypeCode() const { return type + (favourite ? 10 : 0); }
};

// The leading decimal number of a base name ("1733550000123456789c.txt"); 0 when there is
// none, and capped where it would overflow.
std::int64_t StampOfName(std::string_view name);

// Newest first: the larger stamp; on equal stamps the longer name (a base that had to take a
// "c" is the later capture), then the larger name, so that the order is always the same.
bool IsNewer(const history_entry& a, const history_entry& b);

// A type text of an index ("0".."2", "10".."12"); false for anything else.
bool ParseTypeCode(std::string_view text, int& type, bool& favourite);

} // namespace syncd
