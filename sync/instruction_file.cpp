#include "sync/instruction_file.h"

#include "sync/file_name_check.h"
#include "sync/wire_log.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace instruction_file {

namespace {

// The texts of a key, null elements where an element is no text. Nothing when the key is
// missing or holds neither an array, an object nor a text.
std::optional<std::vector<std::optional<std::string>>> Texts(
    const nlohmann::json& object, const char* key)
{
    const auto found = object.find(key);
    if (found == object.end()) {
        wire::log_error(std::string("instruction file without \"") + key + "\"");
        return std::nullopt;
    }
    std::vector<std::optional<std::string>> texts;
    const auto add = [&texts](const nlohmann::json& value) {
        texts.push_back(value.is_string() ? std::optional<std::string>(value.get<std::string>())
                                          : std::nullopt);
    };
    if (found->is_string()) {
        add(*found);
    } else if (found->is_array() || found->is_object()) {
        for (const auto& value : *found)
            add(value);
    } else {
        wire::log_error(std::string("instruction file: \"") + key + "\" holds no names");
        return std::nullopt;
    }
    return texts;
}

std::optional<nlohmann::json> Object(std::string_view json)
{
    auto parsed = nlohmann::json::parse(json.begin(), json.end(), nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object()) {
        wire::log_error("instruction file is no JSON object");
        return std::nullopt;
    }
    return parsed;
}

std::optional<std::string> PlainName(const std::optional<std::string>& text)
{
    if (!text) {
        wire::log_error("instruction file: an entry is no text, skipped");
        return std::nullopt;
    }
    std::string name
        = text->substr(text->rfind('/') == std::string::npos ? 0 : text->rfind('/') + 1);
    if (!wire::IsPlainFileName(name)) {
        wire::log_error("instruction file: not a plain file name, skipped: " + *text);
        return std::nullopt;
    }
    return name;
}

std::optional<std::int64_t> Code(const std::optional<std::string>& text)
{
    if (!text || text->empty() || text->size() > 18) {
        wire::log_error("instruction file: a type is no number, entry skipped");
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : *text) {
        if (c < '0' || c > '9') {
            wire::log_error("instruction file: type \"" + *text + "\" is no number, entry skipped");
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::vector<std::string> Names(std::string_view json)
{
    std::vector<std::string> names;
    const auto object = Object(json);
    if (!object)
        return names;
    const auto texts = Texts(*object, "content");
    if (!texts)
        return names;
    for (const auto& text : *texts)
        if (auto name = PlainName(text))
            names.push_back(std::move(*name));
    return names;
}

std::vector<entry> Entries(std::string_view json)
{
    std::vector<entry> entries;
    const auto object = Object(json);
    if (!object)
        return entries;
    const auto names = Texts(*object, "content");
    const auto types = Texts(*object, "type");
    if (!names || !types)
        return entries;
    if (names->size() != types->size())
        wire::log_error("instruction file: \"content\" and \"type\" differ in length");
    const std::size_t n = std::min(names->size(), types->size());
    for (std::size_t i = 0; i < n; ++i) {
        auto name = PlainName((*names)[i]);
        const auto code = Code((*types)[i]);
        if (name && code)
            entries.push_back({ std::move(*name), *code });
    }
    return entries;
}

} // namespace instruction_file
