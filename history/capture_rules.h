// What a clipboard change is: the tests capture makes before writing anything.
#pragma once

#include <functional>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace capture_rules {

// ".gif" ... ".exif", tested in this order, case-sensitive.
bool EndsWithImageExtension(const QString& text);

// When the text is a single file URL ("file:///...") whose name ends with an
// image extension: the local file it names (percent-escapes decoded, the
// leading "/" kept on Unix). Otherwise empty: the text stays a text entry.
QString ImageFileSource(const QString& text);

// Whether the source asked that this copy stay out of clipboard histories:
// the hint password managers set ("x-kde-passwordManagerHint" = "secret" on
// Linux; the Windows formats "ExcludeClipboardContentFromMonitorProcessing",
// "Clipboard Viewer Ignore", or "CanIncludeInClipboardHistory" holding 0).
bool MarkedSecret(
    const QStringList& formats, const std::function<QByteArray(const QString&)>& data);

} // namespace capture_rules
