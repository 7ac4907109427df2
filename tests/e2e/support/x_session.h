// A private X display for end-to-end tests: Xvfb with the openbox window
// manager, started on a free display number and stopped with the object.
#pragma once

#include <memory>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QProcess;

namespace e2e {

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Starts Xvfb and openbox; false (with a reason in error()) when either
    // cannot start.
    bool Start(const QSize& screen = QSize(1920, 1080));
    QString display() const { return display_; }
    QString error() const { return error_; }

    // The environment of a client of this display.
    QProcessEnvironment Environment() const;

    // Runs an X client (xclip, xdotool, xprop...) to completion, 10 s at most,
    // and returns its standard output; exit_code gets its status (-1 on
    // time-out).
    QByteArray Run(const QString& program, const QStringList& arguments, int* exit_code = nullptr,
        const QByteArray& input = QByteArray()) const;
    QByteArray Xdotool(const QStringList& arguments) const
    {
        return Run(QStringLiteral("xdotool"), arguments);
    }
    // xdotool with its arguments in one text, split at the spaces.
    QByteArray Xdotool(const QString& words) const
    {
        return Xdotool(words.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    // Ids of the visible windows whose whole title is this.
    QStringList WindowsNamed(const QString& title) const;
    // Active for the window manager and holding the X input focus: while
    // openbox moves the focus, key presses go nowhere, grabbed or not.
    bool Active(const QString& window) const;
    // Its place and size: "X=..", "Y=..", "WIDTH=..", "HEIGHT=.." lines.
    QByteArray Geometry(const QString& window) const
    {
        return Xdotool(QStringLiteral("getwindowgeometry --shell ") + window);
    }
    // Puts bytes on the clipboard with xclip, as the given target when one is
    // named; false when xclip fails.
    bool Copy(const QByteArray& bytes, const QString& target = QString()) const;
    // The clipboard as xclip reads it, as the target when one is named.
    QByteArray Clipboard(const QString& target = QString()) const;
    // Whether the clipboard holds the bytes within the time.
    bool ClipboardHolds(const QByteArray& bytes, int timeout_ms = 10000) const;
    // windowactivate, then waits until Active.
    bool Activate(const QString& window, int timeout_ms = 5000) const;
    // Moves the pointer to x,y of the window and clicks the first button.
    void Click(const QString& window, int x, int y) const
    {
        Xdotool(QStringLiteral("mousemove --window %1 %2 %3 click 1").arg(window).arg(x).arg(y));
    }

private:
    std::unique_ptr<QProcess> xvfb_;
    std::unique_ptr<QProcess> window_manager_;
    // The window manager's own HOME: two sessions at once must not share its files.
    QTemporaryDir window_manager_home_;
    QString display_;
    QString error_;
};

} // namespace e2e
