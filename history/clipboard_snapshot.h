// What capture needs to know of the clipboard, read once per change. The
// image is fetched only when capture takes the image road.
#pragma once

#include <functional>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class QMimeData;

struct clipboard_snapshot {
    QStringList formats;
    std::function<QByteArray(const QString& format)> data;
    bool has_text = false;
    QString text; // the plain text
    bool has_urls = false; // local file URLs (a file copy)
    QString url_text; // those URLs, one per line
    bool has_image = false;
    std::function<QImage()> image;
};

// The snapshot of the clipboard's current data; data must stay valid while
// the snapshot is used (the capture runs before the next event is handled).
clipboard_snapshot ReadClipboard(const QMimeData* data);
