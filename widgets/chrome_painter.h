// The painted parts of a frameless main window: the translucent body, the
// inner panel, the title icon and the caption. The caller paints the rest
// (decoration, hints) between and after, on the same painter.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

namespace chrome_painter {

// Antialiased body and inner panel; frame_margin is the corner radius,
// frame_flag the inset. Leaves the pen transparent.
void PaintBody(QPainter& painter, const QSize& size, int frame_margin, int frame_flag, bool dark);

// The title icon at x 12 centred in the 44-pixel strip, then the caption in
// "微软雅黑" 13 pt; a window 500 wide or less shows no caption and keeps the
// pen transparent. The painter keeps the font and pen for text drawn after.
void PaintTitle(
    QPainter& painter, int width, const QPixmap& icon, const QString& caption, bool dark);

} // namespace chrome_painter
