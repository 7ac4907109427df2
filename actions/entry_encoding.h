// EncodingOperate: the md5 or base64 text of an entry, by its kind.
#pragma once

#include "actions/action_report.h"
#include "history/content_item.h"

#include <cstddef>
#include <optional>
#include <QString>

constexpr std::size_t encoding_md5 = 0;
constexpr std::size_t encoding_base64 = 1;

struct encoding_result {
    std::optional<QString> text; // for the clipboard; none when refused
    action_report report;
};

encoding_result EncodeEntry(const content_item& item, std::size_t type);
