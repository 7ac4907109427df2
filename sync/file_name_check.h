// Names of files that arrive from the network: download tags and instruction files.
#pragma once

#include <cstddef>
#include <string_view>

namespace wire {

// Longest name a download may carry: the tag's room after its step digit.
constexpr std::size_t max_file_name = 33;

// A plain file name that stays inside the content folder: not empty, not "." or "..", no
// separator, drive colon or control character, at most max_file_name bytes.
bool is_plain_file_name(std::string_view name);

} // namespace wire
