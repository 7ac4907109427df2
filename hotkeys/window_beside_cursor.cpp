#include "hotkeys/window_beside_cursor.h"

QPoint WindowBesideCursor(QPoint cursor, QSize window, const QRect& work_area)
{
    const int bottom = work_area.y() + work_area.height();
    const int y = cursor.y() + window.height() > bottom ? bottom - window.height() : cursor.y();
    return { cursor.x() + 100, y };
}
