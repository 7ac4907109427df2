#include "history/capture_rules.h"

#include "history/fold_text.h"

#include <cstring>
#include <QUrl>

namespace capture_rules {
namespace {

const char* const kImageExtensions[]
    = { ".gif", ".jpg", ".jpeg", ".png", ".bmp", ".tif", ".tga", ".webp", ".exif" };

// Qt names a registered Windows clipboard format this way.
QString WindowsFormat(const char* name)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(name));
}

} // namespace

bool EndsWithImageExtension(const QString& text)
{
    for (const char* extension : kImageExtensions) {
        if (text.endsWith(QLatin1String(extension), Qt::CaseSensitive))
            return true;
    }
    return false;
}

QString ImageFileSource(const QString& text)
{
    QString folded = text;
    if (FoldText(folded, 5) != 1)
        return {};
    const QString line = folded.trimmed();
    // "file:///" plus at least a name: a typed path or a web address that
    // ends in ".png" is a text, not an image file.
    if (line.size() <= 4 || !line.startsWith(QLatin1String("file:///"))
        || !EndsWithImageExtension(line))
        return {};
    return QUrl(line).toLocalFile();
}

bool MarkedSecret(const QStringList& formats, const std::function<QByteArray(const QString&)>& data)
{
    const QString kde_hint = QStringLiteral("x-kde-passwordManagerHint");
    if (formats.contains(kde_hint) && data(kde_hint).trimmed() == "secret")
        return true;
    for (const char* name :
        { "ExcludeClipboardContentFromMonitorProcessing", "Clipboard Viewer Ignore" }) {
        if (formats.contains(WindowsFormat(name)))
            return true;
    }
    const QString history_flag = WindowsFormat("CanIncludeInClipboardHistory");
    if (formats.contains(history_flag)) {
        const QByteArray value = data(history_flag);
        quint32 flag = 1;
        if (value.size() >= 4) {
            std::memcpy(&flag, value.constData(), sizeof flag);
            return flag == 0;
        }
    }
    return false;
}

} // namespace capture_rules
