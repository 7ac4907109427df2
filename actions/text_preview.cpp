#include "actions/text_preview.h"

#include "actions/popup_frame.h"
#include "core/message_ids.h"
#include "core/settings_record.h"

#include <QPainter>
#include <QTextEdit>
#include <QVBoxLayout>

text_preview::text_preview(QWidget* anchor, int button_mask)
    : pinned_widget(anchor, button_mask, button_mask == popup_frame::no_title_bar)
    , edit_(new QTextEdit(this))
{
    edit_->setPlainText(QStringLiteral("preview text"));
    edit_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->addSpacing(44);
    column->addWidget(edit_);
    content_layout()->setContentsMargins(20, 10, 20, 10);
    content_layout()->addLayout(column);
    Restyle();
    // The main window's handler has set dark_mode by the time this one runs.
    token_ = bus::Register(msg_control_toggled, [this](std::int64_t, std::int64_t, std::int64_t) {
        Restyle();
        return std::int64_t { 0 };
    });
}

text_preview::~text_preview()
{
    bus::Unregister(token_);
}

text_preview* text_preview::Pin(QWidget* anchor, const QString& text)
{
    auto* window = new text_preview(anchor, popup_frame::no_title_bar);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setText(text);
    window->resize(400, 600);
    window->ShowPopup();
    return window;
}

void text_preview::setText(const QString& text)
{
    edit_->setPlainText(text);
}

void text_preview::Restyle()
{
    edit_->setStyleSheet(Settings().dark_mode
            ? QStringLiteral("font-family: 'Microsoft YaHei'; font-size: 20px; color: white; "
                             "border: none; background: transparent;")
            : QStringLiteral("font-family: 'Microsoft YaHei'; font-size: 20px; color: black; "
                             "border: none; background: transparent;"));
}

void text_preview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    const bool dark = Settings().dark_mode;
    painter.setOpacity(dark ? 0.92 : 0.9);
    painter.setBrush(dark ? QColor(66, 66, 66, 188) : QColor(153, 153, 153, 178));
    painter.drawRoundedRect(QRect(2, 2, width() - 4, height() - 4), 8, 8);
    painter.setBrush(dark ? QColor(66, 66, 66) : QColor(Qt::white));
    painter.drawRoundedRect(QRect(4, 4, width() - 8, height() - 8), 8, 8);
}
