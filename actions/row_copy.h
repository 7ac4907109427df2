// CopyRowContent: the entry of a list row back on the clipboard.
#pragma once

#include "actions/action_report.h"
#include "history/content_item.h"
#include "history/own_clipboard_write.h"

#include <cstdint>
#include <QList>
#include <QString>
#include <QUrl>
#include <vector>

class QClipboard;

// Marks own_write before writing, so the write is not captured.
// A row outside view changes nothing and reports nothing. reverse_text
// flips a text entry (not a file list).
action_report CopyRowContent(const std::vector<content_item>& view, std::int64_t row,
    bool reverse_text, QClipboard& clipboard, own_clipboard_write& own_write);

// A file entry's text as URLs: one per line, empty lines kept, parsed tolerantly.
QList<QUrl> FileEntryUrls(const std::string& text);
