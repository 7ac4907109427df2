// The id the window system knows a top-level widget by, for the platform layer.
#pragma once

#include "platform/platform.h"

#include <QWidget>
#include <QWindow>

// QWidget::winId() keeps the first id when the toolkit replaces the native
// window underneath (on xcb, a change of flags after creation does); the
// widget's QWindow always has the live one.
inline platform::WindowId NativeWindowId(QWidget* widget)
{
    widget->winId(); // creates the native window if there is none yet
    const QWindow* window = widget->windowHandle();
    return static_cast<platform::WindowId>(window ? window->winId() : widget->winId());
}
