// Applies the server's instruction files to the history, on the GUI thread.
#pragma once

#include <string_view>

class content_history;

namespace history_instructions {

// append.json: its entries go in at the top, the first one (the newest) ending on top.
void ApplyAppend(content_history& history, std::string_view json);
// delete.json: the first entry with each name goes.
void ApplyDelete(content_history& history, std::string_view json);
// collect.json: the first entry with each name is marked (type above 9) or unmarked.
void ApplyCollect(content_history& history, std::string_view json);
// The server's merged content.json: the names in front of the newest local entry are new
// and go in, oldest first. Nothing when the history is empty (a reload covers that).
void ApplyContent(content_history& history, std::string_view json);

} // namespace history_instructions
