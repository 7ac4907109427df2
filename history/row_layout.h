// Where the parts of a list row go: flag column, favourite bar, text or
// picture, source icon. Plain geometry, so it is tested without a display.
#pragma once

#include <cstdint>
#include <QRect>
#include <QSize>

namespace row_layout {

constexpr int picture_max_width = 664;
constexpr int icon_size = 16;
constexpr QSize favourite_bar { 16, 3 };
// Between the flag column and the text or picture (the layouts' spacing).
constexpr int column_gap = 6;

struct geometry {
    QRect flag;
    QRect bar; // empty unless a favourite
    QRect body; // the text, or the picture at its own size
    QRect icon;
};

// Height 40 (compact) or 200; 664 wide at most, the height then following.
QSize PictureSize(const QSize& image, bool compact);

// The row's fixed size: images 200 x 40 or 200 x 200; texts one line
// spacing per shown line and 28 (one line) or 50 more.
QSize SizeHint(std::int64_t type, bool compact, int line_spacing, int lines);

// picture: the picture size of an image row (ignored for texts).
geometry Place(const QRect& row, std::int64_t type, bool compact, int lines, const QSize& flag,
    bool favourite, const QSize& picture = {});

} // namespace row_layout
