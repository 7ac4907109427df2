#include "history/base_name.h"

#include <chrono>
#include <QFile>

namespace base_name {

std::int64_t NowStamp()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch())
        .count();
}

QString Unique(const QString& folder, const QString& suffix, std::int64_t stamp)
{
    QString base = folder + QLatin1Char('/') + QString::number(stamp);
    while (QFile::exists(base + suffix))
        base += QLatin1Char('c');
    return base;
}

} // namespace base_name
