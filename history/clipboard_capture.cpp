#include "history/clipboard_capture.h"

#include "core/log_categories.h"
#include "core/settings_record.h"
#include "history/base_name.h"
#include "history/capture_rules.h"

#include <QFile>

std::string SourceTitle(platform::WindowId window)
{
    return window ? platform::Current().WindowTitle(window) : std::string();
}

QString SaveSourceIcon(platform::WindowId window, const QString& path)
{
    if (window)
        platform::Current().SaveWindowIconPng(window, path.toStdString());
    // A record names only an icon that is there.
    return QFile::exists(path) ? path : QString();
}

clipboard_capture::clipboard_capture(content_history& history)
    : history_(history)
{
}

clipboard_capture::outcome clipboard_capture::Capture(
    const clipboard_snapshot& clipboard, platform::WindowId target)
{
    history_.MakeFolder();
    today_.Count();
    // A password manager's copy: counted, never recorded.
    if (capture_rules::MarkedSecret(clipboard.formats, clipboard.data))
        return outcome::secret;

    const settings_record& settings = Settings();
    if (!clipboard.has_text && clipboard.has_image && settings.save_image_type)
        return CaptureImage(clipboard, target);
    if (clipboard.has_urls && !settings.save_file_type)
        return outcome::nothing;
    if ((clipboard.has_text && settings.save_text_type)
        || (clipboard.has_urls && settings.save_file_type))
        return CaptureText(clipboard, target);
    return outcome::nothing;
}

clipboard_capture::outcome clipboard_capture::CaptureImage(
    const clipboard_snapshot& clipboard, platform::WindowId target)
{
    content_history::new_entry entry;
    // Another program's PNG is taken as it came: decoding a screenshot is
    // the writer's work, not the GUI thread's.
    const QString png = QStringLiteral("image/png");
    if (clipboard.data && clipboard.formats.contains(png))
        entry.encoded = clipboard.data(png);
    if (entry.encoded.isEmpty()) {
        entry.image = clipboard.image ? clipboard.image() : QImage();
        if (entry.image.isNull())
            return outcome::nothing;
    }
    const QString base = base_name::Unique(history_.ContentFolder(), QStringLiteral(".png"));
    entry.type = content_image;
    entry.path = base + QStringLiteral(".png");
    entry.icon = SaveSourceIcon(target, base + QStringLiteral("icon.png"));
    entry.exe_title = SourceTitle(target);
    last_image_ = entry.path;
    // Encoded, hashed and written on the history's writer.
    history_.AddEntry(std::move(entry));
    return outcome::image;
}

clipboard_capture::outcome clipboard_capture::CaptureText(
    const clipboard_snapshot& clipboard, platform::WindowId target)
{
    // A file copy's text is its URLs, one per line.
    QString text = clipboard.has_urls ? clipboard.url_text : clipboard.text;
    if (text.trimmed().isEmpty())
        return outcome::nothing;

    // Decided before anything is written, so that no stray text file stays.
    const QString source = capture_rules::ImageFileSource(text);
    if (!source.isEmpty()) {
        // Read and converted here: entries handed over before it land first.
        history_.FinishWrites();
        const auto result = history_.InsertImageFile(
            source, 0, [target](const QString& icon) { SaveSourceIcon(target, icon); },
            SourceTitle(target));
        if (result == content_history::image_file_result::inserted) {
            last_image_ = source;
            return outcome::image_file;
        }
        if (result == content_history::image_file_result::exists)
            return outcome::kept_favourite;
        // No image behind the URL: recorded as what it is, a file or a text.
    }

    const QString base = base_name::Unique(history_.ContentFolder(), QStringLiteral(".txt"));
    const int nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    content_history::new_entry entry;
    entry.type = clipboard.has_urls ? content_file : content_text;
    entry.path = base + QStringLiteral(".txt");
    entry.icon = SaveSourceIcon(target, base + QStringLiteral("icon.png"));
    entry.exe_title = SourceTitle(target);
    entry.bytes = text.toUtf8();
    entry.text = entry.bytes.toStdString();
    const std::int64_t type = entry.type;
    history_.AddEntry(std::move(entry));
    return type == content_file ? outcome::file_list : outcome::text;
}
