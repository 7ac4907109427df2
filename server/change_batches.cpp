#include "server/change_batches.h"

#include "sync/file_name_check.h"

namespace syncd {

namespace {

template <typename Item> void ForEachItem(std::string_view batch, Item&& item)
{
    const auto zero = batch.find('\0');
    if (zero != std::string_view::npos)
        batch = batch.substr(0, zero);
    while (!batch.empty()) {
        const auto comma = batch.find(',');
        const std::string_view piece = batch.substr(0, comma);
        if (!piece.empty())
            item(piece);
        if (comma == std::string_view::npos)
            break;
        batch.remove_prefix(comma + 1);
    }
}

} // namespace

std::vector<std::string> ParseDeletedNames(std::string_view batch, std::size_t& bad)
{
    std::vector<std::string> names;
    ForEachItem(batch, [&](std::string_view name) {
        if (wire::IsPlainFileName(name))
            names.emplace_back(name);
        else
            ++bad;
    });
    return names;
}

std::vector<history_entry> ParseFavouriteChanges(std::string_view batch, std::size_t& bad)
{
    std::vector<history_entry> changes;
    ForEachItem(batch, [&](std::string_view item) {
        history_entry change;
        if (item.size() < 3 || !ParseTypeCode(item.substr(0, 2), change.type, change.favourite)
            || !wire::IsPlainFileName(item.substr(2))) {
            ++bad;
            return;
        }
        change.name = std::string(item.substr(2));
        change.stamp = StampOfName(change.name);
        changes.push_back(std::move(change));
    });
    return changes;
}

} // namespace syncd
