#include "actions/alert_widget.h"

#include <QPainter>
#include <QPen>

alert_widget::alert_widget(QWidget* parent, const QString& text, bool dark)
    : QWidget(parent)
    , text_(text)
    , dark_(dark)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    // The notice only informs; clicks go to what lies under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Place();
    timer_.setInterval(notice_fade::interval_ms);
    connect(&timer_, &QTimer::timeout, this, &alert_widget::Tick);
    timer_.start();
}

alert_widget* alert_widget::Show(QWidget* window, const QString& text, bool dark)
{
    if (!window)
        return nullptr;
    for (alert_widget* old :
        window->findChildren<alert_widget*>(QString(), Qt::FindDirectChildrenOnly)) {
        old->timer_.stop();
        old->hide();
        // Later, in case the caller runs inside the old notice's own tick.
        old->deleteLater();
    }
    auto* notice = new alert_widget(window, text, dark);
    notice->show();
    notice->raise();
    return notice;
}

void alert_widget::SetDark(bool dark)
{
    dark_ = dark;
    update();
}

void alert_widget::Place()
{
    QWidget* parent = parentWidget();
    const int parent_width = parent ? parent->width() : notice_width;
    setGeometry(
        (parent_width - 1 - (notice_width - 1)) / 2, top_offset, notice_width, notice_height);
}

void alert_widget::Tick()
{
    const bool alive = fade_.Tick();
    Place();
    if (!alive) {
        timer_.stop();
        hide();
        return;
    }
    update();
}

void alert_widget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(fade_.BoxOpacity());
    // A faint rim keeps the box apart from a window body of nearly its colour.
    painter.setPen(QPen(dark_ ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 36), 1));
    painter.setBrush(dark_ ? QColor(72, 72, 76) : QColor(246, 246, 248));
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 19, 19);

    QFont font = painter.font();
    font.setPointSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setOpacity(fade_.TextOpacity());
    painter.setPen(dark_ ? Qt::white : Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, text_);
}
