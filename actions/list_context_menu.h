// The history list's context menu: built once with the main window, whose
// children the menu and its actions are. The window answers triggered()
// and pops the menu up through ShowFor.
#pragma once

#include "actions/list_menu_entries.h"

#include <cstdint>
#include <map>
#include <QObject>
#include <QPoint>

class QAction;
class QMenu;
class QWidget;

class list_context_menu : public QObject {
    Q_OBJECT
public:
    // dark picks the style sheet (ApplyStyle again on a theme change).
    list_context_menu(QWidget* window, bool dark);

    QMenu* menu() const { return menu_; }
    QMenu* encoding_menu() const { return encoding_; }
    QAction* action(list_action which) const;

    // "钉住" only for text and image entries (type 0 and 1).
    void PrepareFor(std::int64_t content_type);
    // PrepareFor, then the menu pops up at global.
    void ShowFor(std::int64_t content_type, const QPoint& global);
    void ApplyStyle(bool dark);

signals:
    void triggered(list_action action);

private:
    QMenu* menu_;
    QMenu* encoding_;
    std::map<list_action, QAction*> actions_;
};
