// content.json: the index of the history, five parallel arrays of strings.
#pragma once

#include "history/content_record.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace content_index {

struct parse_result {
    // The bytes are not a usable index: not JSON, not an object, or arrays
    // of different lengths. records is then empty.
    bool damaged = false;
    QString reason;
    std::vector<content_record> records;
};

// content_folder is where the content files are; each record's content is
// content_folder + "/" + the stored file name.
parse_result Parse(const QByteArray& bytes, const QString& content_folder);

// The first max_count records (all of them when fewer), indented.
QByteArray Serialize(const std::vector<content_record>& records, std::int64_t max_count);

// "0".."2" and "10".."12": the type, plus 10 for a favourite. Text that is
// not a number reads as 0.
void DecodeType(const QString& text, std::int64_t* type, std::int64_t* collect);
QString EncodeType(std::int64_t type, std::int64_t collect);

// A stored name that stays inside the content folder: no separators, not
// "." or "..", not empty.
bool IsPlainFileName(const QString& name);

} // namespace content_index
