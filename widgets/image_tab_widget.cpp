#include "widgets/image_tab_widget.h"

#include "resources/images.h"
#include "widgets/tab_strip_geometry.h"

#include <QMouseEvent>
#include <QPainter>

image_tab_widget::area image_tab_widget::area::Make(
    const QString& source, std::int64_t value, int mode)
{
    area a;
    a.value = value;
    a.mode = mode;
    if (mode == 0)
        a.pixmap = std::make_shared<QPixmap>(source);
    else
        a.text = source;
    return a;
}

image_tab_widget::image_tab_widget(QWidget* parent)
    : QWidget(parent)
{
    images::Init();
    setObjectName(QStringLiteral("image_tab_widget"));
    setWindowTitle(QStringLiteral("Form"));
    resize(400, 300);
}

void image_tab_widget::addArea(const area& a)
{
    areas_.push_back(a);
    update();
}

void image_tab_widget::setArea(std::size_t index, const area& a)
{
    if (index < areas_.size())
        areas_[index] = a;
    update();
}

image_tab_widget::area image_tab_widget::areaAt(std::size_t index) const
{
    if (index < areas_.size())
        return areas_[index];
    return area();
}

void image_tab_widget::selectValue(std::int64_t value)
{
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        if (areas_[i].value == value)
            current_ = i;
    }
    update();
}

void image_tab_widget::SetDark(bool dark)
{
    dark_ = dark;
    update();
}

void image_tab_widget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const auto hit = tab_strip::HitArea(event->localPos().x(), width(), areas_.size());
    switch (tab_strip::Click(hit, current_)) {
    case tab_strip::click_result::nothing:
        return;
    case tab_strip::click_result::repaint:
        update();
        return;
    case tab_strip::click_result::choose:
        break;
    }
    // A receiver may replace our areas; read the value before reporting it.
    const std::int64_t value = areas_[*hit].value;
    emit chosen(value);
    current_ = *hit;
    update();
}

void image_tab_widget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(QFont(QStringLiteral("微软雅黑"), 12));
    painter.setOpacity(0.9);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const std::size_t n = areas_.size();
    if (n == 0)
        return;
    const int w = width();
    const int h = height();
    const int area_width = tab_strip::AreaWidth(w, n);

    if (current_ < n) {
        const QRectF highlight(tab_strip::AreaLeft(current_, w, n), 0, area_width, h);
        painter.setPen(Qt::NoPen);
        // Filled twice: the second coat deepens the dark theme's highlight.
        painter.setBrush(dark_ ? QColor(51, 51, 51) : QColor(207, 207, 207));
        painter.drawRoundedRect(highlight, h / 2, h / 2);
        painter.setBrush(dark_ ? QColor(41, 41, 41) : QColor(207, 207, 207));
        painter.drawRoundedRect(highlight, h / 2, h / 2);
    }

    painter.setPen(dark_ ? Qt::white : Qt::black);
    for (std::size_t i = 0; i < n; ++i) {
        const QRect cell(static_cast<int>(i) * area_width, 0, area_width, h);
        const area& a = areas_[i];
        if (a.mode == 0) {
            if (a.pixmap && !a.pixmap->isNull()) {
                const QSize size = a.pixmap->size() / a.pixmap->devicePixelRatio();
                QRect target(QPoint(0, 0), size);
                target.moveCenter(cell.center());
                painter.drawPixmap(target, *a.pixmap);
            }
        } else {
            painter.drawText(cell, Qt::AlignCenter, a.text);
        }
    }
}
