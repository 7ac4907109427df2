#include "actions/show_widget.h"

#include "actions/popup_frame.h"
#include "core/log_categories.h"
#include "core/program_layout.h"
#include "core/settings_record.h"
#include "platform/platform.h"
#include "resources/images.h"
#include "widgets/native_window_id.h"
#include "widgets/theme_sheets.h"

#include <QCloseEvent>
#include <QDebug>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString ButtonSheet(const char* name)
{
    const QString base = QStringLiteral(":/image/") + QLatin1String(name);
    return QStringLiteral("QPushButton{border-image:url(%1.png);}"
                          "QPushButton:hover{border-image:url(%1_h.png);}")
        .arg(base);
}

} // namespace

show_widget::show_widget(int button_mask, QWidget* anchor)
    : QWidget(nullptr)
    , button_mask_(button_mask)
    , anchor_(anchor)
{
    images::Init();
    resize(219, 260);
    setWindowTitle(QStringLiteral("Form"));
    setObjectName(QStringLiteral("show_widget"));
    setWindowIcon(QIcon(QStringLiteral(":/image/icon.ico")));
    setWindowFlags(
        Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_TranslucentBackground);
    winId();

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    if (button_mask_ != popup_frame::no_title_bar) {
        auto* title_row = new QHBoxLayout;
        title_row->setContentsMargins(2, 2, 2, 2);
        auto* title_label = new QLabel(this);
        title_label->setMinimumHeight(popup_frame::title_height);
        title_row->addWidget(title_label);
        title_row->addStretch();
        auto* button_row = new QHBoxLayout;
        button_row->setContentsMargins(1, 1, 1, 1);
        for (popup_frame::button which : popup_frame::Buttons(button_mask_)) {
            auto* button = new QPushButton(this);
            button->setFlat(true);
            button->setFixedSize(popup_frame::button_width, popup_frame::button_height);
            button->setFocusPolicy(Qt::NoFocus);
            button_row->addWidget(button);
            buttons_[which] = button;
            switch (which) {
            case popup_frame::minimise:
                button->setStyleSheet(ButtonSheet("min"));
                connect(button, &QPushButton::clicked, this, &QWidget::showMinimized);
                break;
            case popup_frame::maximise:
                button->setStyleSheet(ButtonSheet("max"));
                connect(button, &QPushButton::clicked, this,
                    [this] { isMaximized() ? showNormal() : showMaximized(); });
                break;
            case popup_frame::close:
                button->setStyleSheet(ButtonSheet("close"));
                button->setShortcut(QKeySequence(Qt::Key_Escape));
                connect(button, &QPushButton::clicked, this, [this] { closeWidget(); });
                break;
            }
        }
        title_row->addLayout(button_row);
        title_row->setAlignment(Qt::AlignTop);
        outer->addLayout(title_row);
    }
    content_layout_ = new QHBoxLayout;
    outer->addLayout(content_layout_);
    auto* bottom = new QLabel(this);
    bottom->setMinimumHeight(22);
    outer->addWidget(bottom);

    background_.load(ProgramLayout().SharedFile(QStringLiteral("back.png")));
    title_icon_.load(QStringLiteral(":/image/paste.png"));

    const auto sheet
        = theme_sheets::ReadThemeFile(ProgramLayout().SharedFile(QStringLiteral("gray.qss")));
    qCDebug(log_ui) << (sheet ? "open success!" : "open failed!");
    if (sheet)
        setStyleSheet(*sheet);
}

show_widget::~show_widget()
{
    if (timer_)
        timer_->stop();
}

void show_widget::setTitle(const QString& title)
{
    title_ = title;
    update();
}

QPushButton* show_widget::title_button(int which) const
{
    const auto found = buttons_.find(which);
    return found == buttons_.end() ? nullptr : found->second;
}

bool show_widget::animating() const
{
    return timer_ && timer_->isActive();
}

void show_widget::ShowPopup()
{
    beforeShow();
    // Without its anchor (gone already) the popup is centred on the screen.
    QRect anchor_frame = QRect(QPoint(0, 0), size());
    if (anchor_)
        anchor_frame = QRect(anchor_->mapToGlobal(QPoint(0, 0)), anchor_->size());
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        anchor_frame = screen->availableGeometry();
    const QPoint centred = popup_frame::Centred(anchor_frame, size());
    animation_.StartShow(centred);
    move(centred);
    setWindowOpacity(0);
    show();
    StartAnimation();
}

void show_widget::closeWidget()
{
    CloseAnimated();
}

void show_widget::CloseAnimated()
{
    animation_.StartClose();
    StartAnimation();
}

void show_widget::StartAnimation()
{
    if (timer_)
        timer_->stop();
    timer_ = std::make_shared<QTimer>();
    timer_->setInterval(popup_animation::interval_ms);
    connect(timer_.get(), &QTimer::timeout, this, &show_widget::Step);
    timer_->start();
}

void show_widget::Step()
{
    const popup_animation::tick t = animation_.Next();
    setWindowOpacity(t.opacity);
    move(t.position);
    if (!t.done)
        return;
    timer_->stop();
    if (animation_.showing()) {
        const QRect frame = frameGeometry();
        platform::Current().SetTopmost(
            NativeWindowId(this), { frame.x(), frame.y(), frame.width(), frame.height() }, true);
        return;
    }
    hide();
    if (testAttribute(Qt::WA_DeleteOnClose))
        deleteLater();
}

void show_widget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !resizing()
        && popup_frame::DragStrip(button_mask_, width()).contains(event->pos())) {
        press_ = event->globalPos();
        frame_origin_ = frameGeometry().topLeft();
        dragging_ = true;
    }
    QWidget::mousePressEvent(event);
}

void show_widget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

void show_widget::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        if (isMaximized())
            showNormal();
        move(frame_origin_ + (event->globalPos() - press_));
    }
    QWidget::mouseMoveEvent(event);
}

void show_widget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    const bool dark = Settings().dark_mode;
    painter.setBrush(dark ? QColor(55, 55, 55, 128) : QColor(203, 203, 203, 228));
    painter.drawRoundedRect(QRect(1, 1, width() - 2, height() - 2), 8, 8);
    painter.setBrush(dark ? QColor(88, 88, 88) : QColor(251, 251, 251));
    painter.drawRoundedRect(QRect(3, 3, width() - 6, height() - 6), 8, 8);
    if (!title_icon_.isNull())
        painter.drawPixmap(12, (popup_frame::title_height - title_icon_.height()) / 2, title_icon_);
    QFont font(QStringLiteral("微软雅黑"));
    font.setPointSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(38, 0, 337, 43), Qt::AlignVCenter | Qt::AlignLeft, title_);
}

void show_widget::closeEvent(QCloseEvent* event)
{
    if (timer_)
        timer_->stop();
    closeWidget();
    event->accept();
}
