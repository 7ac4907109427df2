// The real quillbox binary copied, with the files it keeps beside itself,
// into a fresh folder, and started there as a user of a private X display.
#pragma once

#include "tests/e2e/support/x_session.h"

#include <memory>
#include <QProcess>
#include <QTemporaryDir>
#include <vector>

namespace e2e {

class ProgramCopy {
public:
    // runtime_dir: the XDG runtime folder to use; a private one when empty.
    explicit ProgramCopy(const XSession& x, const QString& runtime_dir = QString());
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    QString folder() const { return folder_.path(); }
    QString runtimeDir() const { return runtime_dir_; }
    QString home() const { return home_.path(); }
    QString FilePath(const QString& relative) const;
    QByteArray ReadFile(const QString& relative) const;

    // Starts one more process of this copy; the object stops it at the end.
    QProcess& Launch(const QStringList& arguments = {});
    // The first process launched.
    QProcess& first() { return *processes_.front(); }

    // Ids of visible top-level windows titled "quillbox".
    QStringList VisibleWindows() const;
    QString ActiveWindow() const;

    // Tests may add variables (before Launch).
    QProcessEnvironment& environment() { return env_; }

private:
    const XSession& x_;
    QTemporaryDir folder_;
    QTemporaryDir home_;
    std::unique_ptr<QTemporaryDir> own_runtime_;
    QString runtime_dir_;
    QProcessEnvironment env_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

// Exit status of a process that ends within the time, else nullopt-like -1000.
int WaitForExit(QProcess& process, int timeout_ms);

} // namespace e2e
