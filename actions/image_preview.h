// A picture in a window of its own: pinned on screen from the list, or the
// hover preview beside the pointer. It paints only the picture, scaled to
// the whole window.
#pragma once

#include "actions/pinned_widget.h"

#include <QPixmap>

class image_preview : public pinned_widget {
    Q_OBJECT
public:
    image_preview(QWidget* anchor, int button_mask);

    // A pinned picture from its file: deleted once closed, sized to the
    // picture (small ones enlarged to 88 pixels high), shown over anchor.
    static image_preview* Pin(QWidget* anchor, const QString& path);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
};
