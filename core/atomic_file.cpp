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

bool Write(const QString& path, const QByteArray& bytes)
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
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(log_files) << "cannot write" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qCWarning(log_files) << "cannot write" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    file.flush();
    if (BeforeCommitHook())
        BeforeCommitHook()();
    if (!file.commit()) {
        qCWarning(log_files) << "cannot replace" << path << file.errorString();
        return false;
    }
    return true;
}

void SetBeforeCommitHookForTest(std::function<void()> hook)
{
    BeforeCommitHook() = std::move(hook);
}

} // namespace atomic_file
