#include "hotkeys/window_beside_cursor.h"

QRect WindowBesideCursor(QPoint cursor, QSize window, const QRect& work_area, int scale)
{
    const int bottom = work_area.y() + work_area.height();
    const int y = cursor.y() + window.height() > bottom ? bottom - window.height() : cursor.y();
    const QSize frame = scale > 1 ? window * scale : window;
    return { QPoint(cursor.x() + 100, y), frame };
}
