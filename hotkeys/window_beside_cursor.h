// Where a hotkey shows the main window: 100 pixels right of the cursor at
// the cursor's height, lifted to end at the bottom of the work area when it
// would reach below it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The window's top-left corner. Sizes are the toolkit's pixels, so no DPI
// scale enters: the window keeps its size.
QPoint WindowBesideCursor(QPoint cursor, QSize window, const QRect& work_area);
