// The words of a list row: the folded text it shows and its tool tip.
#pragma once

#include "history/content_item.h"

#include <QString>
#include <string>

namespace row_text {

struct shown_text {
    QString text;
    int lines = 0; // as FoldText counts them
};

// The entry's text folded to max_lines; a file row shows paths, not URLs.
// Only the start of a huge text is folded: a row shows a few lines of at
// most a few thousand pixels, and the fold must not copy megabytes per row.
shown_text Shown(const std::string& text, bool file_row, int max_lines);

// "「图片文件」", window title and file times.
QString ImageToolTip(const content_item& item);
// The text folded to 30 lines, its length, window title and file times.
QString TextToolTip(const content_item& item);

// "yyyy-MM-dd hh:mm:ss"; empty for a file that is gone.
QString FileTime(const QDateTime& time);

} // namespace row_text
