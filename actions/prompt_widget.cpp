#include "actions/prompt_widget.h"

#include "actions/popup_frame.h"
#include "core/message_ids.h"
#include "core/settings_record.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString ButtonSheet(bool dark, bool yes)
{
    const QString common = QStringLiteral(
        "QPushButton{font-family:Microsoft YaHei;font-size:16px;border-style:none;padding:5px;"
        "max-width:80px;min-height:20px;border-radius:15px;color:#000000;%1}");
    const QString normal = dark ? QStringLiteral("border:1px solid #888888;background:"
                                                 "qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,"
                                                 "stop:0 #989898,stop:1 #888888);")
                                : QStringLiteral("border:1px solid #E4E4E4;background:"
                                                 "qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,"
                                                 "stop:0 #E4E4E4,stop:1 #A2A2A2);");
    const QString gradient = QStringLiteral(
        "QPushButton:%1{background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 "
        "%2,stop:1 %3);}");
    QString sheet = common.arg(normal);
    if (yes) {
        sheet += gradient.arg(
            QStringLiteral("hover"), QStringLiteral("#FF4081"), QStringLiteral("#FF408F"));
        sheet += gradient.arg(
            QStringLiteral("pressed"), QStringLiteral("#E91E63"), QStringLiteral("#E91E6A"));
    } else if (dark) {
        sheet += gradient.arg(
            QStringLiteral("hover"), QStringLiteral("#717171"), QStringLiteral("#717171"));
        sheet += gradient.arg(
            QStringLiteral("pressed"), QStringLiteral("#616161"), QStringLiteral("#616161"));
    } else {
        sheet += gradient.arg(
            QStringLiteral("hover"), QStringLiteral("#AAAAAA"), QStringLiteral("#A5A5A5"));
        sheet += gradient.arg(
            QStringLiteral("pressed"), QStringLiteral("#969696"), QStringLiteral("#909090"));
    }
    return sheet;
}

} // namespace

prompt_widget::prompt_widget(
    QWidget* anchor, const QString& text, std::int64_t confirm_id, std::int64_t cancel_id)
    : show_widget(popup_frame::close, anchor)
    , label_(new QLabel(text, this))
    , yes_(new QPushButton(tr("是"), this))
    , no_(new QPushButton(tr("否"), this))
    , confirm_id_(confirm_id)
    , cancel_id_(cancel_id)
{
    setTitle(tr("提示"));
    setFixedSize(260, 160);
    setAttribute(Qt::WA_ShowModal);

    label_->setMinimumSize(160, 30);
    label_->setAlignment(Qt::AlignCenter);
    label_->setStyleSheet(
        QStringLiteral("color:#E91E63;font-size:16px;margin:10px;font-weight:bold;"));
    yes_->setFlat(true);
    yes_->setShortcut(QKeySequence(Qt::Key_Return));
    yes_->setToolTip(tr("快捷键「Enter」🦖"));
    no_->setToolTip(tr("快捷键「Esc」🪂"));

    auto* column = new QVBoxLayout;
    column->addWidget(label_);
    auto* row = new QHBoxLayout;
    row->addWidget(yes_);
    row->addWidget(no_);
    column->addLayout(row);
    content_layout()->addLayout(column);

    connect(yes_, &QPushButton::clicked, this, &prompt_widget::Confirm);
    connect(no_, &QPushButton::clicked, this, [this] { closeWidget(); });
    Restyle(Settings().dark_mode);

    // Theme switches reach the prompt on the GUI thread, as they are posted there.
    token_
        = bus::Register(msg_control_toggled, [this](std::int64_t, std::int64_t a, std::int64_t b) {
              if (a == control_dark_mode_switch || a == control_day_night_button)
                  Restyle(b != 0);
              return std::int64_t { 0 };
          });
}

prompt_widget::~prompt_widget()
{
    bus::Unregister(token_);
}

void prompt_widget::Restyle(bool dark)
{
    yes_->setStyleSheet(ButtonSheet(dark, true));
    no_->setStyleSheet(ButtonSheet(dark, false));
}

void prompt_widget::Confirm()
{
    bus::Post(confirm_id_, 0, 0);
    // The base close: a confirmed prompt must not also report a cancel.
    CloseAnimated();
}

void prompt_widget::closeWidget()
{
    bus::Post(cancel_id_, 0, 0);
    CloseAnimated();
}
