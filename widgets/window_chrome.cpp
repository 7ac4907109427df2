#include "widgets/window_chrome.h"

#include "resources/images.h"
#include "widgets/fold_rule.h"

#include <QEvent>
#include <QHoverEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>

window_chrome::window_chrome(QWidget* window, options opts)
    : QObject(window)
    , window_(window)
    , options_(opts)
    , resizer_(opts.border)
{
    images::Init();
    if (options_.setup_frame) {
        window_->setWindowFlags(
            Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
        window_->setAttribute(Qt::WA_TranslucentBackground);
        window_->winId();
        window_->setMouseTracking(true);
        window_->setAttribute(Qt::WA_Hover);
        window_->setMinimumSize(options_.minimum_size);
    }
    look_ = chrome_style::LookFor(window_->isMaximized(), dark_);
    UpdateZones();
    window_->installEventFilter(this);
}

void window_chrome::SetButtons(QPushButton* min, QPushButton* max, QPushButton* close)
{
    min_ = min;
    max_ = max;
    close_ = close;
}

void window_chrome::SetTitleRow(QLayout* row, int default_width)
{
    title_row_ = row;
    default_width_ = default_width;
    RelayTitleRow();
}

void window_chrome::SetMarginLayouts(QLayout* outer, QLayout* inner)
{
    outer_ = outer;
    inner_ = inner;
}

void window_chrome::RelayTitleRow()
{
    if (title_row_)
        title_row_->setContentsMargins(
            chrome_style::TitleRowMargins(window_->width(), default_width_));
}

void window_chrome::SetDark(bool dark)
{
    dark_ = dark;
    RestyleChrome();
}

void window_chrome::SetAutoFold(bool auto_fold)
{
    auto_fold_ = auto_fold;
}

void window_chrome::SetFolded(bool folded)
{
    folded_ = folded;
}

void window_chrome::ToggleMaximize()
{
    if (window_->isMaximized()) {
        window_->showNormal();
        UpdateZones();
        RelayTitleRow();
        emit restored();
    } else {
        window_->showMaximized();
        resizer_.Release();
        UpdateZones();
        RelayTitleRow();
    }
}

void window_chrome::RestyleChrome()
{
    look_ = chrome_style::LookFor(window_->isMaximized(), dark_);
    if (min_)
        min_->setStyleSheet(chrome_style::WindowButtonSheet(look_.min_button));
    if (max_)
        max_->setStyleSheet(chrome_style::WindowButtonSheet(look_.max_button));
    if (close_)
        close_->setStyleSheet(
            chrome_style::WindowButtonSheet(look_.close_button, look_.square_close));
    if (outer_)
        outer_->setContentsMargins(look_.outer);
    if (inner_)
        inner_->setContentsMargins(look_.inner);
    window_->update();
}

void window_chrome::UpdateZones()
{
    // A maximised window has no border to grab, whatever size it reports.
    if (window_->isMaximized())
        resizer_.zones().Disable();
    else
        resizer_.zones().Update(window_->size());
}

void window_chrome::OnResized()
{
    UpdateZones();
    // On X11 the size of a maximise arrives after ToggleMaximize returns, so
    // the title row is laid out again once the real width is known.
    RelayTitleRow();
    if (!options_.main_window)
        return;
    const auto folded = fold_rule::NextFolded(window_->width(), folded_, auto_fold_);
    if (folded) {
        folded_ = *folded;
        emit foldChanged(*folded);
    }
}

bool window_chrome::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::WindowActivate:
        if (!options_.main_window)
            return false;
        emit activated();
        return true;
    case QEvent::WindowStateChange:
        UpdateZones();
        if (!options_.main_window)
            return false;
        RestyleChrome();
        return true;
    case QEvent::Resize:
        OnResized();
        return false;
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            resizer_.Press(mouse->pos(), mouse->globalPos(), window_->geometry());
        return false;
    }
    case QEvent::MouseButtonRelease:
        resizer_.Release();
        window_->setCursor(Qt::ArrowCursor);
        return false;
    case QEvent::HoverMove: {
        const QPoint local = static_cast<QHoverEvent*>(event)->pos();
        window_->setCursor(resizer_.CursorAt(local));
        const auto geometry = resizer_.Move(
            window_->mapToGlobal(local), window_->isMaximized(), window_->minimumSize());
        if (geometry && *geometry != window_->geometry())
            window_->setGeometry(*geometry);
        return false;
    }
    default:
        return false;
    }
}
