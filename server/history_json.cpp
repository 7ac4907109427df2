#include "server/history_json.h"

#include "sync/file_name_check.h"

#include <nlohmann/json.hpp>

namespace syncd {

namespace {

using nlohmann::json;

constexpr std::size_t max_title = 1024;
constexpr std::size_t max_icon_path = 1024;

std::string Dump(const json& document)
{
    return document.dump(4, ' ', false, json::error_handler_t::replace);
}

const json* ArrayOf(const json& document, const char* key)
{
    const auto it = document.find(key);
    return it != document.end() && it->is_array() ? &*it : nullptr;
}

std::string StringAt(const json* array, std::size_t i)
{
    if (!array || i >= array->size() || !(*array)[i].is_string())
        return {};
    return (*array)[i].get<std::string>();
}

bool IsHexDigest(const std::string& text)
{
    if (text.size() != 32)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

bool TypeAt(const json& types, std::size_t i, int& type, bool& favourite)
{
    const json& value = types[i];
    if (value.is_string())
        return ParseTypeCode(value.get_ref<const std::string&>(), type, favourite);
    if (value.is_number_unsigned() && value.get<std::uint64_t>() < 100)
        return ParseTypeCode(std::to_string(value.get<std::uint64_t>()), type, favourite);
    return false;
}

} // namespace

std::string CutText(std::string_view text, std::size_t max)
{
    if (text.size() <= max)
        return std::string(text);
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
        --end;
    return std::string(text.substr(0, end));
}

client_index ParseClientIndex(std::string_view text, std::size_t max_entries)
{
    client_index index;
    // Only the object's arrays of texts matter; anything nested deeper is dropped while
    // parsing, so a hostile document costs no more than its size.
    const json::parser_callback_t shallow
        = [](int depth, json::parse_event_t, json&) { return depth <= 2; };
    const json document = json::parse(text.begin(), text.end(), shallow, false);
    if (document.is_discarded() || !document.is_object())
        return index;
    const json* types = ArrayOf(document, "type");
    const json* contents = ArrayOf(document, "content");
    if (!types || !contents)
        return index;
    index.parsed = true;
    const json* md5s = ArrayOf(document, "md5");
    const json* icons = ArrayOf(document, "icons");
    const json* titles = ArrayOf(document, "exe_title");
    const std::size_t count = std::min(types->size(), contents->size());
    index.skipped = std::max(types->size(), contents->size()) - count;
    for (std::size_t i = 0; i < count; ++i) {
        history_entry entry;
        std::string name = StringAt(contents, i);
        // Older indexes held paths; the name is what follows the last separator.
        const auto slash = name.find_last_of("/\\");
        if (slash != std::string::npos)
            name.erase(0, slash + 1);
        if (index.entries.size() >= max_entries || !wire::IsPlainFileName(name)
            || !TypeAt(*types, i, entry.type, entry.favourite)) {
            ++index.skipped;
            continue;
        }
        entry.name = std::move(name);
        entry.stamp = StampOfName(entry.name);
        entry.md5 = StringAt(md5s, i);
        if (!IsHexDigest(entry.md5))
            entry.md5.clear();
        entry.title = CutText(StringAt(titles, i), max_title);
        std::string icon = StringAt(icons, i);
        if (!icon.empty() && icon.size() <= max_icon_path)
            index.icons.emplace(entry.name, std::move(icon));
        index.entries.push_back(std::move(entry));
    }
    return index;
}

std::string IndexFile(const std::vector<history_entry>& entries,
    const std::unordered_map<std::string, std::string>& icons)
{
    json types = json::array(), contents = json::array(), md5s = json::array(),
         icon_paths = json::array(), titles = json::array();
    for (const auto& entry : entries) {
        types.push_back(std::to_string(entry.TypeCode()));
        contents.push_back(entry.name);
        md5s.push_back(entry.md5);
        const auto icon = icons.find(entry.name);
        icon_paths.push_back(icon == icons.end() ? std::string() : icon->second);
        titles.push_back(entry.title);
    }
    return Dump(json { { "type", std::move(types) }, { "content", std::move(contents) },
        { "md5", std::move(md5s) }, { "icons", std::move(icon_paths) },
        { "exe_title", std::move(titles) } });
}

std::string NameListFile(const std::vector<std::string>& names)
{
    return Dump(json { { "content", names } });
}

std::string TypedListFile(const std::vector<history_entry>& entries)
{
    json types = json::array(), contents = json::array();
    for (const auto& entry : entries) {
        types.push_back(std::to_string(entry.TypeCode()));
        contents.push_back(entry.name);
    }
    return Dump(json { { "content", std::move(contents) }, { "type", std::move(types) } });
}

} // namespace syncd
