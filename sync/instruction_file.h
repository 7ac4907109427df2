// The JSON files the server writes into the content folder to say what changed: upload.json,
// append.json, delete.json, collect.json and its merged content.json. Everything in them is
// checked: names must be plain file names, types numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace instruction_file {

struct entry {
    std::string name;
    std::int64_t code = 0; // type, plus 10 for a favourite
};

// "content": an array of texts, an object (its values in key order) or one text; a path is
// cut to its part after the last "/". Names that are not plain file names are skipped and
// logged, as is everything when the bytes are no JSON object or lack the key.
std::vector<std::string> Names(std::string_view json);

// "content" with "type" beside it, position by position; when their lengths differ the
// shorter one counts. An entry whose type is not a decimal number is skipped and logged.
std::vector<entry> Entries(std::string_view json);

} // namespace instruction_file
