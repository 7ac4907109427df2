// The menu the main window's language button pops up: the seven languages in
// their fixed order, each named in its own language. Choosing the language in
// use does nothing; another one asks for the change.
#pragma once

#include <cstdint>
#include <QObject>
#include <QPoint>

class QMenu;
class QWidget;

class language_menu : public QObject {
    Q_OBJECT
public:
    // current: the stored code; one outside 1 to 6 is in use as English.
    language_menu(QWidget* window, std::int64_t current, bool dark);

    QMenu* menu() const { return menu_; }
    void Popup(const QPoint& global);
    void ApplyStyle(bool dark);

signals:
    void changeRequested(int code);

private:
    QMenu* menu_;
    int current_;
};
