#include "history/today_counter.h"

#include <QCoreApplication>

std::uint64_t today_counter::Count(const QDate& today)
{
    if (date_ == today) {
        ++today_count_;
    } else {
        today_count_ = 1;
        date_ = today;
    }
    return today_count_;
}

QString today_counter::StatusText() const
{
    // The count picks the plural form.
    const int count = static_cast<int>(today_count_);
    return QCoreApplication::translate("main_window", "今天已复制 ") + QString::number(count)
        + QCoreApplication::translate("main_window", " 次", nullptr, count);
}
