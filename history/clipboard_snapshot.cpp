#include "history/clipboard_snapshot.h"

#include <QMimeData>
#include <QUrl>
#include <QVariant>

clipboard_snapshot ReadClipboard(const QMimeData* data)
{
    clipboard_snapshot snapshot;
    if (!data)
        return snapshot;
    snapshot.formats = data->formats();
    snapshot.data = [data](const QString& format) { return data->data(format); };
    snapshot.has_text = data->hasText();
    if (snapshot.has_text)
        snapshot.text = data->text();
    if (data->hasUrls()) {
        const QList<QUrl> urls = data->urls();
        QStringList lines;
        bool all_files = !urls.isEmpty();
        for (const QUrl& url : urls) {
            all_files = all_files && url.isLocalFile();
            lines << url.toString();
        }
        if (all_files) {
            snapshot.has_urls = true;
            snapshot.url_text = lines.join(QLatin1Char('\n'));
        }
    }
    snapshot.has_image = data->hasImage();
    if (snapshot.has_image)
        snapshot.image = [data] { return qvariant_cast<QImage>(data->imageData()); };
    return snapshot;
}
