// Resizing a frameless window by dragging its border: the state between the
// press in a zone and the release, without any widget.
#pragma once

#include "widgets/resize_zones.h"

#include <optional>
#include <QPoint>
#include <QRect>
#include <QSize>

class border_resizer {
public:
    explicit border_resizer(int border = 8)
        : zones_(border)
    {
    }

    resize_zones& zones() { return zones_; }
    const resize_zones& zones() const { return zones_; }

    // A left-button press; starts a resize when it lands in a zone.
    bool Press(const QPoint& local, const QPoint& global, const QRect& geometry);
    // The pointer moved: the new geometry while a resize runs, else nothing.
    std::optional<QRect> Move(const QPoint& global, bool maximised, const QSize& minimum) const;
    void Release();

    Qt::CursorShape CursorAt(const QPoint& local) const;
    bool resizing() const { return hit_ != resize_zone::none; }
    resize_zone hit() const { return hit_; }

private:
    resize_zones zones_;
    resize_zone hit_ = resize_zone::none;
    QRect start_;
    // Global, so the window moving under the pointer does not feed back into the drag.
    QPoint press_;
};
