// The keys of the search box that act on the list below it: Down and Up move
// the list's current row while the focus stays in the box, Enter pastes the
// current row. Every other key, Escape included, goes on as before.
#pragma once

#include <QObject>

class QWidget;

class search_keys : public QObject {
    Q_OBJECT
public:
    // Filters the box's key presses for the life of the box.
    explicit search_keys(QWidget* box);

signals:
    // +1 for Down, -1 for Up.
    void stepped(int rows);
    void accepted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The row a step leads to in a list of count rows: from no current row the
// first, otherwise within the list; -1 for an empty list.
int SteppedRow(int current, int rows, int count);
