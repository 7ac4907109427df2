// Names that arrive from the network and become file names in a content folder.
#pragma once

#include "sync/wire_format.h"

#include <cstddef>
#include <string_view>

namespace wire {

// A name travels in a tag after its one step digit.
constexpr std::size_t max_file_name = max_tag_text - 1;

// True for a plain file name: not empty, at most max_file_name bytes, not "." or "..", and
// no separator, drive colon or control character, so that it cannot reach outside the folder.
bool IsPlainFileName(std::string_view name);

} // namespace wire
