// The JSON files of the history exchange: a client's index (content.json) read with bounds,
// and the index and instruction files the server writes into a client's content folder.
#pragma once

#include "server/history_entry.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace syncd {

struct client_index {
    std::vector<history_entry> entries; // in the index's order, names checked
    std::unordered_map<std::string, std::string> icons; // name to the client's icon path
    std::size_t skipped = 0; // entries dropped: bad name, type or beyond the count
    bool parsed = false; // false: not a JSON object of arrays
};

// Up to max_entries entries; "content" and "type" of unequal length count the shorter.
client_index ParseClientIndex(std::string_view text, std::size_t max_entries);

// content.json as the client's history store writes it; icons from the map, empty otherwise.
std::string IndexFile(const std::vector<history_entry>& entries,
    const std::unordered_map<std::string, std::string>& icons = {});
// {"content": names}: upload.json, delete.json.
std::string NameListFile(const std::vector<std::string>& names);
// {"content": names, "type": type texts}: append.json, collect.json.
std::string TypedListFile(const std::vector<history_entry>& entries);

// A long text cut to at most max bytes without splitting a UTF-8 character.
std::string CutText(std::string_view text, std::size_t max);

} // namespace syncd
