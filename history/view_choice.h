// What a click on the type tab strip chooses: the type shown, the order of
// the favourites, and the notice that names them.
#pragma once

#include <cstdint>
#include <QString>

namespace view_choice {

struct choice {
    std::int64_t show_content_type = 3;
    std::int64_t collect_sort_type = 0;
    QString notice;
};

// code: the clicked area's type code (0 text, 1 image, 2 file, 3 all, 4
// favourites). Clicking favourites while they are shown steps to the next
// of the seven orders, and from the last back to the default.
choice Choose(std::int64_t code, std::int64_t show_content_type, std::int64_t collect_sort_type);

// " - 默认", " - [文本、图片、文件]", ... for orders 0 to 6.
QString OrderName(std::int64_t collect_sort_type);

// A stored order outside 0..6 (a hand-edited file) is taken as the default.
std::int64_t ValidOrder(std::int64_t collect_sort_type);

} // namespace view_choice
