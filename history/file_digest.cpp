#include "history/file_digest.h"

#include <QCryptographicHash>
#include <QFile>

QString GetFileMd5(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Md5);
    qint64 remaining = file.size();
    char block[10240];
    while (remaining > 0) {
        const qint64 got = file.read(block, qMin<qint64>(remaining, sizeof block));
        if (got < 1)
            break;
        hash.addData(block, static_cast<int>(got));
        remaining -= got;
    }
    return QString::fromLatin1(hash.result().toHex());
}
