// Names of new content files: the capture time in nanoseconds since 1970,
// with "c" appended while a file of that name exists.
#pragma once

#include <cstdint>
#include <QString>

namespace base_name {

// Nanoseconds since 1970-01-01 00:00 UTC from the system clock.
std::int64_t NowStamp();

// folder + "/" + stamp, then "c" appended until folder/base + suffix does
// not exist.
QString Unique(const QString& folder, const QString& suffix, std::int64_t stamp = NowStamp());

} // namespace base_name
