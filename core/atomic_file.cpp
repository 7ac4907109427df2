#include "core/atomic_file.h"

#include "core/log_categories.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>

namespace atomic_file {
namespace {

std::function<void()>& BeforeCommitHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

bool Write(const QString& path, const QByteArray& bytes, QString* error)
{
    // The settings are saved on many occasions, mostly unchanged: skipping an
    // identical write saves a flush to disk each time.
    {
        QFile current(path);
        if (current.size() == bytes.size() && current.open(QIODevice::ReadOnly)
            && current.readAll() == bytes)
            return true;
    }
    QSaveFile file(path);
    const auto failed = [&](const char* step) {
        qCWarning(log_files) << step << path << file.errorString();
        if (error)
            *error = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed("cannot write");
    if (file.write(bytes) != bytes.size()) {
        failed("cannot write");
        file.cancelWriting();
        return false;
    }
    if (!file.flush()) {
        failed("cannot write");
        file.cancelWriting();
        return false;
    }
    if (BeforeCommitHook())
        BeforeCommitHook()();
    if (!file.commit())
        return failed("cannot replace");
    return true;
}

void SetBeforeCommitHookForTest(std::function<void()> hook)
{
    BeforeCommitHook() = std::move(hook);
}

} // namespace atomic_file
