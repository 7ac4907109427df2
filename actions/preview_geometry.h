// Where the hover image preview goes and how big it is, from the image, the
// scale setting, the pointer and the screen.
#pragma once

#include <cstdint>
#include <QPoint>
#include <QRect>
#include <QSize>

// image_preview_scale 0 shows the image at full size, n at 1/(n+1); never
// under 200 pixels either way, never past the screen's edge beside the pointer.
QRect PreviewGeometry(const QSize& image, std::int64_t image_preview_scale, const QPoint& pointer,
    const QSize& screen);
