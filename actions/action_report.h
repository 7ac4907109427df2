// What an action tells the user: a status-line text and a notice text.
#pragma once

#include <QString>

struct action_report {
    QString status; // begins with two blanks; empty: leave the status line
    QString notice; // empty: no notice
    bool empty() const { return status.isEmpty() && notice.isEmpty(); }
};
