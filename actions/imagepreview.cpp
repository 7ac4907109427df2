#include "actions/imagepreview.h"

#include "actions/popup_frame.h"

#include <QPainter>

imagepreview::imagepreview(QWidget* anchor, int button_mask)
    : pinnedwidget(anchor, button_mask, button_mask == popup_frame::no_title_bar)
{
}

imagepreview* imagepreview::Pin(QWidget* anchor, const QString& path)
{
    QPixmap pixmap(path);
    auto* window = new imagepreview(anchor, popup_frame::no_title_bar);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setPixmap(pixmap);
    window->resize(popup_frame::PinnedImageSize(pixmap.size()));
    window->ShowPopup();
    return window;
}

void imagepreview::setPixmap(const QPixmap& pixmap)
{
    pixmap_ = pixmap;
    update();
}

void imagepreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!pixmap_.isNull())
        painter.drawPixmap(rect(), pixmap_);
}
