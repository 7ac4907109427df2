#include "actions/image_preview.h"

#include "actions/popup_frame.h"

#include <QPainter>

image_preview::image_preview(QWidget* anchor, int button_mask)
    : pinned_widget(anchor, button_mask, button_mask == popup_frame::no_title_bar)
{
}

image_preview* image_preview::Pin(QWidget* anchor, const QString& path)
{
    QPixmap pixmap(path);
    auto* window = new image_preview(anchor, popup_frame::no_title_bar);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setPixmap(pixmap);
    window->resize(popup_frame::PinnedImageSize(pixmap.size()));
    window->ShowPopup();
    return window;
}

void image_preview::setPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    update();
}

void image_preview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!pixmap_.isNull())
        painter.drawPixmap(rect(), pixmap_);
}
