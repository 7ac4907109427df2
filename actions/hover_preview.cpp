#include "actions/hover_preview.h"

#include "actions/image_preview.h"
#include "actions/preview_geometry.h"
#include "core/settings_record.h"
#include "platform/platform.h"
#include "widgets/native_window_id.h"

#include <QAbstractItemView>

hover_preview::hover_preview(QWidget* anchor)
    : anchor_(anchor)
{
}

hover_preview::~hover_preview()
{
    delete window_.data();
}

bool hover_preview::visible() const
{
    return window_ && window_->isVisible();
}

void hover_preview::Hide()
{
    if (window_)
        window_->hide();
}

void hover_preview::Tick(const hover_state& state, const QString& image_path, std::int64_t scale,
    const QPoint& pointer, const QSize& screen)
{
    hover_state current = state;
    current.preview_visible = visible();
    switch (HoverStep(current)) {
    case hover_step::hide:
        Hide();
        break;
    case hover_step::keep:
        break;
    case hover_step::show:
        Show(image_path, scale, pointer, screen);
        break;
    }
}

void hover_preview::Show(
    const QString& path, std::int64_t scale, const QPoint& pointer, const QSize& screen)
{
    if (path != path_ || pixmap_.isNull()) {
        path_ = path;
        pixmap_ = QPixmap(path);
    }
    if (!window_)
        window_ = new image_preview(anchor_, 0);
    const QRect geometry = PreviewGeometry(pixmap_.size(), scale, pointer, screen);
    window_->resize(geometry.size());
    window_->setPixmap(pixmap_);
    window_->move(geometry.topLeft());
    window_->setWindowOpacity(1.0);
    window_->show();
    const QRect frame = window_->frameGeometry();
    platform::Current().SetTopmost(
        NativeWindowId(window_), { frame.x(), frame.y(), frame.width(), frame.height() }, true);
}

void hover_preview::TickOver(const QAbstractItemView* list, const std::vector<content_item>* view,
    bool menu_showing, bool window_active, const QPoint& pointer, const QSize& screen)
{
    hover_state state;
    state.menu_showing = menu_showing;
    state.window_active = window_active;
    state.image_preview = Settings().image_preview;
    QString path;
    if (list && list->isVisible()) {
        const QPoint local = list->mapFromGlobal(pointer);
        state.over_list = list->rect().contains(local);
        const int row = list->indexAt(list->viewport()->mapFromGlobal(pointer)).row();
        if (state.over_list && row >= 0 && view && static_cast<std::size_t>(row) < view->size()) {
            const content_item& entry = (*view)[static_cast<std::size_t>(row)];
            state.on_row = true;
            state.row_is_image = entry.type == content_image;
            path = QString::fromStdString(entry.content);
        }
    }
    Tick(state, path, Settings().image_preview_scale, pointer, screen);
}
