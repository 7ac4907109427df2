// A session logout or `kill` asks the program to end: on Unix SIGTERM, SIGINT
// and SIGHUP become one Qt signal on the GUI thread, so the program quits the
// same way as from its tray menu and saves what it holds.
#pragma once

#include <QObject>

class QSocketNotifier;

class termination_signals : public QObject {
    Q_OBJECT
public:
    explicit termination_signals(QObject* parent = nullptr);
    ~termination_signals() override;

signals:
    void requested();

private:
    void Drain();

    QSocketNotifier* notifier_ = nullptr;
};
