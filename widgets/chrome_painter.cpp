#include "widgets/chrome_painter.h"

#include "widgets/chrome_style.h"

#include <cmath>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace chrome_painter {

void PaintBody(QPainter& painter, const QSize& size, int frame_margin, int frame_flag, bool dark)
{
    const int w = size.width();
    const int h = size.height();
    const int r = frame_margin;
    const int m = frame_flag;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::transparent);

    painter.setBrush(chrome_style::BodyColor(dark, m));
    painter.drawRoundedRect(QRect(m, m, w - 2 * m, h - 2 * m), r, r);

    painter.save();
    QPainterPath panel;
    panel.addRoundedRect(QRectF(3, 3, w - 6, h - 6), r, r);
    const QPointF centre((w - 1) / 2, (h - 1) / 2);
    const qreal radius = std::hypot(w - 6, h - 6) / 2;
    QRadialGradient gradient(centre, radius, centre);
    gradient.setColorAt(0, chrome_style::PanelCentreColor(dark));
    gradient.setColorAt(1, chrome_style::PanelRimColor(dark));
    painter.fillPath(panel, gradient);
    painter.restore();
}

void PaintTitle(
    QPainter& painter, int width, const QPixmap& icon, const QString& caption, bool dark)
{
    painter.setOpacity(1);
    if (!icon.isNull()) {
        const int icon_height = static_cast<int>(icon.height() / icon.devicePixelRatio());
        painter.drawPixmap(12, (44 - icon_height) / 2, icon);
    }
    painter.setFont(QFont(QStringLiteral("微软雅黑"), 13));
    if (width <= 500)
        return;
    painter.setPen(dark ? Qt::white : Qt::black);
    painter.drawText(QRect(38, 0, 300, 44), Qt::AlignVCenter | Qt::AlignLeft, caption);
}

} // namespace chrome_painter
