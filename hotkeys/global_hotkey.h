// One system-wide hotkey: registered through the platform layer when made,
// released when destroyed. A combination the system refuses leaves an object
// that is not registered and never fires.
#pragma once

#include <QKeySequence>
#include <QObject>

class global_hotkey : public QObject {
    Q_OBJECT
public:
    explicit global_hotkey(
        const QKeySequence& sequence, bool auto_register = true, QObject* parent = nullptr);
    ~global_hotkey() override;
    global_hotkey(const global_hotkey&) = delete;
    global_hotkey& operator=(const global_hotkey&) = delete;

    QKeySequence shortcut() const { return sequence_; }
    bool isRegistered() const { return id_ > 0; }
    // True when registered afterwards.
    bool setRegistered(bool registered);

signals:
    // On the GUI thread, for each press of the combination.
    void activated();

private:
    QKeySequence sequence_;
    int id_ = 0;
};
