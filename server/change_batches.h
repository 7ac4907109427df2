// The batch texts clients send for deletions ("name," items) and favourite changes
// ("<two-digit code>name," items, the code being the index's type text: "10" a favourite
// text, "01" an image that is no favourite any more).
#pragma once

#include "server/history_entry.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace syncd {

// Items whose name is not a plain file name, or whose code is no type text, are counted in
// bad and left out.
std::vector<std::string> ParseDeletedNames(std::string_view batch, std::size_t& bad);
// Entries with name, type and favourite mark set.
std::vector<history_entry> ParseFavouriteChanges(std::string_view batch, std::size_t& bad);

} // namespace syncd
