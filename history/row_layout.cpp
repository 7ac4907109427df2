#include "history/row_layout.h"

#include "history/content_record.h"

#include <QMargins>
#include <QtGlobal>

namespace row_layout {

namespace {

// The flag with the favourite bar below it, spacing apart.
void PlaceColumn(
    geometry& g, const QRect& column, const QSize& flag, bool favourite, bool centred, int spacing)
{
    const int height = flag.height() + (favourite ? spacing + favourite_bar.height() : 0);
    const int top = centred ? column.top() + (column.height() - height) / 2 : column.top();
    const int width = qMax(flag.width(), favourite ? favourite_bar.width() : 0);
    g.flag = QRect(column.left() + (width - flag.width()) / 2, top, flag.width(), flag.height());
    if (favourite)
        g.bar = QRect(QPoint(column.left() + (width - favourite_bar.width()) / 2,
                          g.flag.bottom() + 1 + spacing),
            favourite_bar);
}

} // namespace

QSize PictureSize(const QSize& image, bool compact)
{
    if (image.isEmpty())
        return {};
    const qint64 height = compact ? 40 : 200;
    const qint64 width = height * image.width() / image.height();
    if (width <= picture_max_width)
        return { static_cast<int>(width), static_cast<int>(height) };
    return { picture_max_width,
        static_cast<int>(qint64 { picture_max_width } * image.height() / image.width()) };
}

QSize SizeHint(std::int64_t type, bool compact, int line_spacing, int lines)
{
    if (type == content_image)
        return { 200, compact ? 40 : 200 };
    return { 200, line_spacing * lines + (lines == 1 ? 28 : 50) };
}

geometry Place(const QRect& row, std::int64_t type, bool compact, int lines, const QSize& flag,
    bool favourite, const QSize& picture)
{
    geometry g;
    const int column_width = qMax(flag.width(), favourite ? favourite_bar.width() : 0);
    QRect content;
    if (type == content_image) {
        content = row.marginsRemoved(compact ? QMargins(12, 6, 15, 6) : QMargins(12, 15, 15, 15));
        PlaceColumn(g, QRect(content.left(), content.top(), column_width, content.height()), flag,
            favourite, compact, 3);
        const QRect area = content.adjusted(column_width + column_gap + 5, 0, -5, 0);
        // The picture keeps its size; the row clips what does not fit.
        const int y = row.top() + (row.height() - picture.height()) / 2;
        const int x = compact ? area.left() : area.left() + (area.width() - picture.width()) / 2;
        g.body = QRect(QPoint(x, y), picture);
    } else {
        content = row.marginsRemoved(QMargins(12, 5, 12, 5));
        if (lines == 1)
            PlaceColumn(g, QRect(content.left(), content.top(), column_width, content.height()),
                flag, favourite, true, 0);
        else
            PlaceColumn(g,
                QRect(content.left(), content.top() + 5, column_width, content.height() - 5), flag,
                favourite, false, 3);
        g.body = content.adjusted(column_width + column_gap, 0, 0, 0)
                     .marginsRemoved(QMargins(5, 5, 5, 5));
    }
    g.icon = QRect(row.right() - 15 - icon_size + 1, row.top() + (row.height() - icon_size) / 2,
        icon_size, icon_size);
    return g;
}

} // namespace row_layout
