// One display entry: the record plus what the list shows of it.
#pragma once

#include "history/content_record.h"
#include "history/entry_image.h"

#include <memory>

struct content_item {
    std::int64_t type = content_text;
    std::int64_t collect = 0;
    std::string content;
    // Text and file entries: the whole text. Image entries: the content path.
    std::string text;
    // Image entries only; shared by items, filtered_items and the view. It
    // holds the row picture, not the whole decoded image.
    std::shared_ptr<entry_image> pixmap;
    std::string md5;
    std::string icons;
    std::string exe_title;
};
