// Where a hotkey shows the main window: 100 pixels right of the cursor at
// the cursor's height, lifted to end at the bottom of the work area when it
// would reach below it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// scale (at least 1) enlarges the frame handed to the window system; the
// lift uses the unscaled height.
QRect WindowBesideCursor(QPoint cursor, QSize window, const QRect& work_area, int scale);
