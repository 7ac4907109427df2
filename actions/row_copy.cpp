#include "actions/row_copy.h"

#include "actions/flip_text.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QImage>
#include <QMimeData>

QList<QUrl> FileEntryUrls(const std::string& text)
{
    QList<QUrl> urls;
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    for (const QString& line : lines)
        urls.append(QUrl(line, QUrl::TolerantMode));
    return urls;
}

action_report CopyRowContent(const std::vector<content_item>& view, std::int64_t row,
    bool reverse_text, QClipboard& clipboard, own_clipboard_write& own_write)
{
    if (row < 0 || row >= static_cast<std::int64_t>(view.size()))
        return {};
    const content_item& item = view[static_cast<size_t>(row)];
    if (item.type == content_image) {
        own_write.Mark();
        // The row keeps only its small picture; the clipboard gets the whole image.
        clipboard.setImage(item.pixmap ? item.pixmap->Full() : QImage());
        return { QCoreApplication::translate("main_window", "  图片已复制至剪贴板"),
            QCoreApplication::translate("main_window", "图片已经复制到剪贴板") };
    }
    if (item.type != content_text && item.type != content_file)
        return {};
    own_write.Mark();
    if (item.type == content_text) {
        const QString text = QString::fromStdString(item.text);
        clipboard.setText(reverse_text ? FlipText(text) : text);
        return { QCoreApplication::translate("main_window", "  文本已复制至剪贴板"),
            QCoreApplication::translate("main_window", "文本已经复制到剪贴板") };
    }
    auto* data = new QMimeData;
    data->setUrls(FileEntryUrls(item.text));
    clipboard.setMimeData(data); // the clipboard owns it
    return { QCoreApplication::translate("main_window", "  文件已复制至剪贴板"),
        QCoreApplication::translate("main_window", "文件已经复制到剪贴板") };
}
