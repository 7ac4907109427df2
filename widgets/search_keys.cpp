#include "widgets/search_keys.h"

#include <algorithm>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

search_keys::search_keys(QWidget* box)
    : QObject(box)
{
    box->installEventFilter(this);
}

bool search_keys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    // With modifiers these keys keep the box's own meaning (Shift+Up selects).
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Down:
        emit stepped(1);
        return true;
    case Qt::Key_Up:
        emit stepped(-1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!key->isAutoRepeat())
            emit accepted();
        return true;
    default:
        return false;
    }
}

int SteppedRow(int current, int rows, int count)
{
    if (count <= 0)
        return -1;
    if (current < 0)
        return 0;
    return std::clamp(current + rows, 0, count - 1);
}
