#include "history/view_choice.h"

#include <QCoreApplication>

namespace view_choice {

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("main_window", text);
}

} // namespace

std::int64_t ValidOrder(std::int64_t collect_sort_type)
{
    return collect_sort_type >= 0 && collect_sort_type < 7 ? collect_sort_type : 0;
}

QString OrderName(std::int64_t collect_sort_type)
{
    static const char* const names[7]
        = { " - 默认", " - [文本、图片、文件]", " - [文本、文件、图片]", " - [图片、文本、文件]",
              " - [图片、文件、文本]", " - [文件、文本、图片]", " - [文件、图片、文本]" };
    return Tr(names[ValidOrder(collect_sort_type)]);
}

choice Choose(std::int64_t code, std::int64_t show_content_type, std::int64_t collect_sort_type)
{
    choice next;
    next.collect_sort_type = ValidOrder(collect_sort_type);
    if (code == 4) {
        if (show_content_type == 4)
            next.collect_sort_type = (next.collect_sort_type + 1) % 7;
        next.show_content_type = 4;
        next.notice = Tr("已选择显示收藏") + OrderName(next.collect_sort_type);
        return next;
    }
    static const char* const notices[4]
        = { "已选择显示文本", "已选择显示图片", "已选择显示文件", "已选择全部显示" };
    next.show_content_type = code >= 0 && code <= 3 ? code : 3;
    next.notice = Tr(notices[next.show_content_type]);
    return next;
}

} // namespace view_choice
