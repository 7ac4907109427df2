// The one hover image preview of the main window: made on first use, shown
// beside the pointer without taking the focus, hidden when the pointer
// leaves image rows.
#pragma once

#include "actions/hover_rule.h"
#include "history/content_item.h"

#include <cstdint>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <vector>

class image_preview;
class QAbstractItemView;
class QWidget;

class hover_preview {
public:
    explicit hover_preview(QWidget* anchor);
    ~hover_preview();
    hover_preview(const hover_preview&) = delete;
    hover_preview& operator=(const hover_preview&) = delete;

    // One tick. image_path: the content file of the row's image entry.
    void Tick(const hover_state& state, const QString& image_path, std::int64_t scale,
        const QPoint& pointer, const QSize& screen);
    void Hide();
    // The tick of the main window: the row of list under pointer (global),
    // its entry in view (row N is element N), image_preview and its scale
    // from the settings.
    void TickOver(const QAbstractItemView* list, const std::vector<content_item>* view,
        bool menu_showing, bool window_active, const QPoint& pointer, const QSize& screen);

    bool visible() const;
    // Null until the first show.
    image_preview* window() const { return window_; }

private:
    void Show(const QString& path, std::int64_t scale, const QPoint& pointer, const QSize& screen);

    QWidget* anchor_;
    QPointer<image_preview> window_;
    // The picture of the last path: a tick every 100 ms must not decode the
    // same file each time.
    QString path_;
    QPixmap pixmap_;
};
