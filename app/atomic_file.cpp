#include "app/atomic_file.h"

#include <QDebug>
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "cannot write" << path << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qDebug() << "cannot write" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    file.flush();
    if (BeforeCommitHook())
        BeforeCommitHook()();
    if (!file.commit()) {
        qDebug() << "cannot replace" << path << file.errorString();
        return false;
    }
    return true;
}

void SetBeforeCommitHookForTest(std::function<void()> hook)
{
    BeforeCommitHook() = std::move(hook);
}

} // namespace atomic_file
