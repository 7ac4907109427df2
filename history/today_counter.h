// How many clipboard changes were handled today.
#pragma once

#include <cstdint>
#include <QDate>
#include <QString>

class today_counter {
public:
    // Counts one change on the given day; the count starts again at 1 on a
    // new day. Returns the count.
    std::uint64_t Count(const QDate& today = QDate::currentDate());

    std::uint64_t today_count() const { return today_count_; }

    // "今天已复制 " + count + " 次", translated.
    QString StatusText() const;

private:
    std::uint64_t today_count_ = 0;
    QDate date_;
};
