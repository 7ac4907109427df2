// The program's answer to a clipboard change: skip its own writes and changes
// during a multi-row paste, capture the rest 50 ms later (the source program
// may still be writing its formats), then do what the keys held while copying
// ask for.
#pragma once

#include "history/clipboard_capture.h"
#include "history/own_clipboard_write.h"
#include "platform/platform.h"

#include <functional>
#include <QObject>
#include <QString>

class capture_reaction : public QObject {
    Q_OBJECT
public:
    // target_window is where the last capture began: the entry's source and a
    // paste's target. paste_running says whether a multi-row paste is under way.
    capture_reaction(clipboard_capture& capture, platform::WindowId& target_window,
        std::function<bool()> paste_running, QObject* parent = nullptr);

    // Mark before every clipboard write of the program's own.
    own_clipboard_write& own_write() { return own_write_; }

    // True when the change is to be captured; consumes the own-write mark.
    bool AcceptChange();

public slots:
    // The clipboard changed: capture it 50 ms later, unless the change is our own.
    void ClipboardChanged();
    // The capture proper (also after a paused recording, which loses the change).
    void CaptureNow();
    // A change still in its 50 ms wait is captured now (quitting).
    void CapturePending();

signals:
    // An entry may have been added or the day's count changed.
    void captured();
    // Shift held while copying: show the copy pinned on screen.
    void pinText(const QString& text);
    void pinImage(const QString& path);

private:
    void RunCopyShortcuts(clipboard_capture::outcome outcome, const QString& text);

    clipboard_capture& capture_;
    platform::WindowId& target_window_;
    std::function<bool()> paste_running_;
    own_clipboard_write own_write_;
    // Changes whose delayed capture has not run yet.
    int pending_ = 0;
};
