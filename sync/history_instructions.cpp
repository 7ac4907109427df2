#include "sync/history_instructions.h"

#include "history/content_history.h"
#include "sync/instruction_file.h"

namespace history_instructions {

namespace {

QString Name(const std::string& name)
{
    return QString::fromStdString(name);
}

// Newest first in the file, oldest first for the insertion.
void InsertOldestFirst(content_history& history, std::vector<instruction_file::entry> entries)
{
    std::vector<content_history::synced_entry> oldest_first;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        oldest_first.push_back({ Name(it->name), it->code });
    history.InsertSyncedEntries(std::move(oldest_first));
}

} // namespace

void ApplyAppend(content_history& history, std::string_view json)
{
    InsertOldestFirst(history, instruction_file::Entries(json));
}

void ApplyDelete(content_history& history, std::string_view json)
{
    std::vector<QString> names;
    for (const std::string& name : instruction_file::Names(json))
        names.push_back(Name(name));
    history.RemoveSyncedNames(names);
}

void ApplyCollect(content_history& history, std::string_view json)
{
    std::vector<content_history::synced_entry> marks;
    for (const auto& entry : instruction_file::Entries(json))
        marks.push_back({ Name(entry.name), entry.code });
    history.MarkSyncedFavourites(marks);
}

void ApplyContent(content_history& history, std::string_view json)
{
    if (history.records.empty())
        return;
    const std::string& newest = history.records.front().content;
    const std::string newest_name = newest.substr(newest.rfind('/') + 1);
    std::vector<instruction_file::entry> entries = instruction_file::Entries(json);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].name == newest_name) {
            entries.resize(i);
            break;
        }
    }
    InsertOldestFirst(history, std::move(entries));
}

} // namespace history_instructions
