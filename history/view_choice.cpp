#include "history/view_choice.h"

#include <QCoreApplication>

namespace view_choice {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("main_window", text);
}

// Marked for the catalogues; translated where they are shown.
const char* const kOrderNames[7] = { QT_TRANSLATE_NOOP("main_window", " - 默认"),
    QT_TRANSLATE_NOOP("main_window", " - [文本、图片、文件]"),
    QT_TRANSLATE_NOOP("main_window", " - [文本、文件、图片]"),
    QT_TRANSLATE_NOOP("main_window", " - [图片、文本、文件]"),
    QT_TRANSLATE_NOOP("main_window", " - [图片、文件、文本]"),
    QT_TRANSLATE_NOOP("main_window", " - [文件、文本、图片]"),
    QT_TRANSLATE_NOOP("main_window", " - [文件、图片、文本]") };

const char* const kTypeNotices[4] = { QT_TRANSLATE_NOOP("main_window", "已选择显示文本"),
    QT_TRANSLATE_NOOP("main_window", "已选择显示图片"),
    QT_TRANSLATE_NOOP("main_window", "已选择显示文件"),
    QT_TRANSLATE_NOOP("main_window", "已选择全部显示") };

} // namespace

std::int64_t ValidOrder(std::int64_t collect_sort_type)
{
    return collect_sort_type >= 0 && collect_sort_type < 7 ? collect_sort_type : 0;
}

QString OrderName(std::int64_t collect_sort_type)
{
    return Tr(kOrderNames[ValidOrder(collect_sort_type)]);
}

choice Choose(std::int64_t code, std::int64_t show_content_type, std::int64_t collect_sort_type)
{
    choice next;
    next.collect_sort_type = ValidOrder(collect_sort_type);
    if (code == 4) {
        if (show_content_type == 4)
            next.collect_sort_type = (next.collect_sort_type + 1) % 7;
        next.show_content_type = 4;
        next.notice = QCoreApplication::translate("main_window", "已选择显示收藏")
            + OrderName(next.collect_sort_type);
        return next;
    }
    next.show_content_type = code >= 0 && code <= 3 ? code : 3;
    next.notice = Tr(kTypeNotices[next.show_content_type]);
    return next;
}

} // namespace view_choice
