// One stored history entry: what a row of content.json holds.
#pragma once

#include <cstdint>
#include <string>

// Entry type codes; 3 and 4 only select a view.
constexpr std::int64_t content_text = 0;
constexpr std::int64_t content_image = 1;
constexpr std::int64_t content_file = 2;
constexpr std::int64_t content_all = 3;
constexpr std::int64_t content_favourite = 4;

// The value of `collect` for a favourite.
constexpr std::int64_t favourite_mark = 4;

struct content_record {
    std::int64_t type = content_text;
    std::int64_t collect = 0;
    std::string content; // absolute path of the content file
    std::string md5; // 32 lowercase hex digits, empty when unreadable
    std::string icons; // absolute path of the source program's icon PNG
    std::string exe_title; // source window title
};
