#include "actions/favourite_toggle.h"

#include "core/message_bus.h"
#include "core/message_ids.h"

#include <algorithm>
#include <QCoreApplication>

std::string collected_names;

namespace {

constexpr int kBatch = 30;

void PostFavouriteNames(bool last)
{
    bus::Post(msg_records_collected, reinterpret_cast<std::int64_t>(collected_names.c_str()),
        last ? 1 : 0);
    collected_names.clear();
}

} // namespace

favourite_changes ToggleFavouriteRows(content_history& history, std::vector<std::int64_t> rows,
    const std::map<std::int64_t, std::int64_t>& row_to_record)
{
    std::sort(rows.begin(), rows.end(), std::greater<std::int64_t>());
    favourite_changes changes;
    int in_batch = 0;
    for (std::int64_t row : rows) {
        const auto found = row_to_record.find(row);
        if (found == row_to_record.end() || found->second < 0
            || found->second >= static_cast<std::int64_t>(history.records.size()))
            continue;
        const size_t i = static_cast<size_t>(found->second);
        content_record& record = history.records[i];
        const std::int64_t mark = record.collect == favourite_mark ? 0 : favourite_mark;
        record.collect = mark;
        if (i < history.items.size())
            history.items[i].collect = mark;
        ++(mark == favourite_mark ? changes.added : changes.removed);
        const size_t slash = record.content.rfind('/');
        if (slash == std::string::npos)
            continue;
        collected_names += (mark == favourite_mark ? "1" : "0") + std::to_string(record.type)
            + record.content.substr(slash + 1) + ",";
        if (++in_batch == kBatch) {
            PostFavouriteNames(false);
            in_batch = 0;
        }
    }
    history.SaveContent();
    PostFavouriteNames(true);
    return changes;
}

QString FavouriteNoticeText(const favourite_changes& changes)
{
    QString text;
    if (changes.removed > 0)
        text += QCoreApplication::translate("main_window", "移除")
            + QString::number(changes.removed);
    if (changes.added > 0) {
        if (!text.isEmpty())
            text += QLatin1Char(',');
        text += QCoreApplication::translate("main_window", "增加") + QString::number(changes.added);
    }
    // The plural follows the count written last.
    const int last = changes.added > 0 ? changes.added : changes.removed;
    if (!text.isEmpty())
        text += QCoreApplication::translate("main_window", "条收藏", nullptr, last);
    return text;
}

std::int64_t ScrollRowAfterChange(std::int64_t smallest_row, std::int64_t row_count)
{
    if (smallest_row <= 0)
        return -1;
    if (smallest_row + 2 < row_count)
        return smallest_row + 2;
    return smallest_row - 1 < row_count ? smallest_row - 1 : -1;
}
