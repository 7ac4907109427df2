// The tiny editor (tiny_editor.cpp) on a private display: a real window to
// paste into, whose text the test reads back from a file.
#pragma once

#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#ifndef QUILLBOX_TINY_EDITOR
#error "QUILLBOX_TINY_EDITOR must name the editor"
#endif

namespace e2e {

class EditorProcess {
public:
    ~EditorProcess()
    {
        process_.kill();
        process_.waitForFinished(5000);
    }
    // Its window id once it shows; empty when it did not start. Options go
    // after the output file (--cover-screen).
    QString Start(const XSession& x, const QStringList& options = {})
    {
        process_.setProcessEnvironment(x.Environment());
        process_.start(QStringLiteral(QUILLBOX_TINY_EDITOR),
            QStringList { dir_.filePath(QStringLiteral("text")) } + options);
        if (!process_.waitForReadyRead(10000))
            return {};
        return QString::fromLatin1(process_.readLine().trimmed());
    }
    // The whole text as the editor last saved it.
    QString Text() const
    {
        QFile file(dir_.filePath(QStringLiteral("text")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    bool Shows(const QString& text, int timeout_ms = 10000) const
    {
        return WaitUntil([&] { return Text() == text; }, timeout_ms);
    }

private:
    QTemporaryDir dir_;
    QProcess process_;
};

} // namespace e2e
