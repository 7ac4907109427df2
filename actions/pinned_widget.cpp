#include "actions/pinned_widget.h"

#include "platform/platform.h"
#include "widgets/native_window_id.h"
#include "widgets/window_chrome.h"

#include <QLayout>
#include <QPushButton>

namespace {

window_chrome::options PinnedChrome()
{
    window_chrome::options options;
    options.main_window = false;
    options.setup_frame = false;
    options.minimum_size = { pinned_widget::minimum_side, pinned_widget::minimum_side };
    return options;
}

} // namespace

pinned_widget::pinned_widget(QWidget* anchor, int button_mask, bool with_close_button)
    : show_widget(button_mask, anchor)
    , chrome_(new window_chrome(this, PinnedChrome()))
{
    setWindowFlags(windowFlags() | Qt::Tool);
    setWindowTitle(tr("预览"));
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The frame's labels must not hold the window above the pinned size.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(minimum_side, minimum_side);
    platform::Current().SetNoActivate(NativeWindowId(this));
    if (!with_close_button)
        return;
    close_ = new QPushButton(this);
    close_->setFixedSize(24, 24);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setStyleSheet(
        QStringLiteral("QPushButton{border-image:url(:/image/close_normal.png);}"
                       "QPushButton:hover{border-image:url(:/image/close_hover.png);}"
                       "QPushButton:pressed{border-image:url(:/image/close_pressed.png);}"));
    connect(close_, &QPushButton::clicked, this, [this] { closeWidget(); });
    PlaceCloseButton();
}

void pinned_widget::beforeShow()
{
    PlaceCloseButton();
}

bool pinned_widget::resizing() const
{
    return chrome_->resizing();
}

void pinned_widget::resizeEvent(QResizeEvent* event)
{
    // A border resize moves the right edge; the button stays in its corner.
    PlaceCloseButton();
    show_widget::resizeEvent(event);
}

void pinned_widget::PlaceCloseButton()
{
    if (close_)
        close_->move(width() - 42, 14);
}
