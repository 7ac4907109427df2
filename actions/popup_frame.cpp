#include "actions/popup_frame.h"

namespace popup_frame {

std::vector<button> Buttons(int mask)
{
    if (mask == no_title_bar)
        return {};
    std::vector<button> buttons;
    for (button b : { minimise, maximise, close })
        if (mask & b)
            buttons.push_back(b);
    return buttons;
}

QRect DragStrip(int mask, int window_width)
{
    const int n = static_cast<int>(Buttons(mask).size());
    return QRect(QPoint(0, 0), QPoint(window_width - 1 - button_width * n, title_height - 1));
}

QPoint Centred(const QRect& anchor, const QSize& popup)
{
    return QPoint(anchor.x() + (anchor.width() - popup.width()) / 2,
        anchor.y() + (anchor.height() - popup.height()) / 2 - 30);
}

} // namespace popup_frame

namespace popup_frame {

QSize PinnedImageSize(const QSize& pixmap)
{
    if (pixmap.height() >= 45 || pixmap.height() <= 0)
        return pixmap;
    const float width = static_cast<float>(pixmap.width()) * 88.0f / pixmap.height();
    return QSize(static_cast<int>(width), 88);
}

} // namespace popup_frame
