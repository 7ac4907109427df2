// The real quillbox binary copied, with the files it keeps beside itself,
// into a fresh folder, and started there as a user of a private X display.
#pragma once

#include "tests/e2e/support/x_session.h"

#include <functional>
#include <memory>
#include <QColor>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

namespace e2e {

// content/content.json as the program last wrote it.
struct HistoryIndex {
    bool damaged = false; // there, but not a JSON object
    QStringList type, content, md5, exe_title;
    int size() const { return content.size(); }
};

class ProgramCopy {
public:
    // Each copy has its own XDG runtime folder, and so its own endpoint.
    explicit ProgramCopy(const XSession& x);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    QString runtimeDir() const { return runtime_.path(); }
    QString FilePath(const QString& relative) const { return folder_.filePath(relative); }
    QByteArray ReadFile(const QString& relative) const;
    // The file's JSON object; empty when it is missing or no object.
    QJsonObject Json(const QString& relative) const;
    bool WriteFile(const QString& relative, const QByteArray& bytes) const;
    // The file of a history entry, by its name in the index.
    QByteArray Entry(const QString& name) const
    {
        return ReadFile(QStringLiteral("content/") + name);
    }
    HistoryIndex Index() const;
    // Polls the index until it satisfies the condition (10 s at most) and
    // returns the last one read.
    HistoryIndex WaitForIndex(const std::function<bool(const HistoryIndex&)>& condition) const;
    // Copies the bytes (as the target when one is named) and waits for one
    // more entry in the index.
    bool Record(const QByteArray& bytes, const QString& target = QString()) const;

    // The environment of processes launched from now on; an empty value
    // removes the variable.
    void SetEnvironment(const QString& name, const QString& value);

    // Starts one more process of this copy; the object stops it at the end.
    // Its output goes to the test's own unless channels says otherwise.
    QProcess& Launch(const QStringList& arguments = {},
        QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels);
    // Launched with the logging rules, both output channels appended to
    // program.log, which a copy the program starts itself (a restart) inherits.
    QProcess& LaunchLogged(const QString& logging_rules);
    // Whether program.log holds the text within the time.
    bool LogHas(const QByteArray& text, int timeout_ms = 10000) const;

    // Writes config.json, launches, waits for the window and records the
    // texts, oldest first; the process, null on failure.
    QProcess* StartWith(const QByteArray& config, const QStringList& texts = {},
        QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels);

    // Ids of visible top-level windows titled "quillbox", of any copy.
    QStringList VisibleWindows() const;
    // A started copy is ready once its window shows: waits for that many.
    bool WaitForWindows(int count = 1) const;

private:
    QProcess& Start(std::unique_ptr<QProcess> process, const QStringList& arguments);

    const XSession& x_;
    QTemporaryDir folder_;
    QTemporaryDir home_;
    // Short: socket paths are limited to about 100 bytes.
    QTemporaryDir runtime_ { QStringLiteral("/tmp/qbrt-XXXXXX") };
    QProcessEnvironment env_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

// A PNG of one colour.
QByteArray Png(const QColor& colour, const QSize& size = QSize(64, 48));

// Exit status of a process that ends within the time, else -1000.
int WaitForExit(QProcess& process, int timeout_ms);

} // namespace e2e
