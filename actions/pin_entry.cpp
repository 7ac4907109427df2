#include "actions/pin_entry.h"

#include "actions/image_preview.h"
#include "actions/text_preview.h"

#include <QFile>

QWidget* PinEntry(QWidget* anchor, const content_item& entry)
{
    const QString path = QString::fromStdString(entry.content);
    if (entry.type == content_image)
        return image_preview::Pin(anchor, path);
    if (entry.type != content_text)
        return nullptr;
    QFile file(path);
    QString text;
    // An unreadable file pins an empty text rather than nothing.
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        text = QString::fromUtf8(file.readAll());
    return text_preview::Pin(anchor, text);
}
