#include "actions/pin_entry.h"

#include "actions/imagepreview.h"
#include "actions/textpreview.h"

#include <QFile>

QWidget* PinEntry(QWidget* anchor, const content_item& entry)
{
    const QString path = QString::fromStdString(entry.content);
    if (entry.type == content_image)
        return imagepreview::Pin(anchor, path);
    if (entry.type != content_text)
        return nullptr;
    QFile file(path);
    QString text;
    // An unreadable file pins an empty text rather than nothing.
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        text = QString::fromUtf8(file.readAll());
    return textpreview::Pin(anchor, text);
}
