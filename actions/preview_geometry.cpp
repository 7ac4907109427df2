#include "actions/preview_geometry.h"

#include <algorithm>

QRect PreviewGeometry(const QSize& image, std::int64_t image_preview_scale, const QPoint& pointer,
    const QSize& screen)
{
    const int s = static_cast<int>(std::max<std::int64_t>(0, image_preview_scale)) + 1;
    int w = image.width() / s;
    int h = image.height() / s;
    if (w <= 0 || h <= 0) {
        // An image that did not load (or a sliver): the ratios below would divide by zero.
        w = 200;
        h = 200;
    }
    if (w < 200) {
        h = static_cast<int>(static_cast<float>(h) / static_cast<float>(w) * 200.0f);
        w = 200;
    }
    if (h < 200) {
        w = static_cast<int>(static_cast<float>(w) / static_cast<float>(h) * 200.0f);
        h = 200;
    }
    const bool left_of_pointer = pointer.x() > screen.width() / 2;
    w = std::min(w, left_of_pointer ? pointer.x() - 10 : screen.width() - pointer.x() - 10);
    if (image.width() > 0 && w < image.width())
        h = static_cast<int>(static_cast<std::int64_t>(w) * image.height() / image.width());
    // Taller than the screen: shrunk to its height, or the top would be cut off.
    if (h > screen.height() && h > 0) {
        w = static_cast<int>(static_cast<std::int64_t>(w) * screen.height() / h);
        h = screen.height();
    }
    const int x = left_of_pointer ? pointer.x() - 10 - w : pointer.x() + 10;
    int y = pointer.y();
    if (y + h > screen.height())
        y = screen.height() - h;
    return QRect(x, y, w, h);
}
