#include "actions/entry_encoding.h"

#include "actions/row_copy.h"
#include "history/file_digest.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QImage>

namespace {

encoding_result Done(const QString& text, std::size_t type)
{
    const QString name = type == encoding_md5 ? QStringLiteral("md5") : QStringLiteral("base64");
    const QString copied = QCoreApplication::translate("main_window", "编码已复制");
    return { text, { QStringLiteral("  ") + name + copied, name + copied } };
}

encoding_result Refused(const char* status, const char* notice)
{
    return { std::nullopt,
        { QCoreApplication::translate("main_window", status),
            QCoreApplication::translate("main_window", notice) } };
}

} // namespace

encoding_result EncodeEntry(const content_item& item, std::size_t type)
{
    if (type != encoding_md5 && type != encoding_base64)
        return {};
    if (item.type == content_image) {
        if (type == encoding_md5)
            return Done(GetFileMd5(QString::fromStdString(item.content)), type);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (item.pixmap)
            item.pixmap->Full().save(&buffer, "PNG");
        return Done(QString::fromLatin1(png.toBase64()), type);
    }
    if (item.type == content_text) {
        if (type == encoding_md5) {
            // Up to a NUL, as the text was stored.
            const std::string text = item.text.substr(0, item.text.find('\0'));
            const QByteArray digest = QCryptographicHash::hash(
                QByteArray::fromStdString(text), QCryptographicHash::Md5);
            return Done(QString::fromLatin1(digest.toHex()), type);
        }
        return Done(QString::fromLatin1(QByteArray::fromStdString(item.text).toBase64()), type);
    }
    if (item.type != content_file)
        return {};
    const QList<QUrl> urls = FileEntryUrls(item.text);
    if (urls.isEmpty())
        return {};
    if (urls.size() > 1)
        return Refused(QT_TRANSLATE_NOOP("main_window", "  无法对多个文件编码"),
            QT_TRANSLATE_NOOP("main_window", "无法对多个文件编码"));
    if (type == encoding_base64)
        return Refused(QT_TRANSLATE_NOOP("main_window", "  暂时无法对文件base64"),
            QT_TRANSLATE_NOOP("main_window", "暂时无法对文件base64"));
    // toLocalFile keeps the leading "/" of a Linux path that cutting the
    // "file:///" prefix would lose; on Windows both give "C:/...".
    return Done(GetFileMd5(urls.front().toLocalFile()), type);
}
