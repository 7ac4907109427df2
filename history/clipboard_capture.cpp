#include "history/clipboard_capture.h"

#include "core/log_categories.h"
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "core/settings_record.h"
#include "history/base_name.h"
#include "history/capture_rules.h"
#include "history/file_digest.h"
#include "history/full_image_cache.h"

#include <QDebug>
#include <QFile>

std::string SourceTitle(platform::WindowId window)
{
    return window ? platform::Current().WindowTitle(window) : std::string();
}

void SaveSourceIcon(platform::WindowId window, const QString& path)
{
    if (window)
        platform::Current().SaveWindowIconPng(window, path.toStdString());
}

namespace {

void PostCaptured(const QString& path, std::int64_t type)
{
    const QByteArray utf8 = path.toUtf8();
    bus::Post(msg_record_captured, reinterpret_cast<std::int64_t>(utf8.constData()), type);
}

} // namespace

clipboard_capture::clipboard_capture(content_history& history)
    : history_(history)
{
}

bool clipboard_capture::FavouritesView() const
{
    return Settings().show_content_type == content_favourite;
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
    const QImage image = clipboard.image ? clipboard.image() : QImage();
    if (image.isNull())
        return outcome::nothing;
    const QString base = base_name::Unique(history_.ContentFolder(), QStringLiteral(".png"));
    const QString path = base + QStringLiteral(".png");
    const QString icon = base + QStringLiteral("icon.png");
    SaveSourceIcon(target, icon);
    if (!image.save(path, "PNG")) {
        qCWarning(log_capture) << "save image error!";
        QFile::remove(icon);
        return outcome::nothing;
    }
    const QString digest = GetFileMd5(path);
    history_.RemoveDuplicates(digest, FavouritesView());
    const std::string title = SourceTitle(target);
    PostCaptured(path, content_image);

    content_record record;
    record.type = content_image;
    record.content = path.toStdString();
    record.md5 = digest.toStdString();
    record.icons = icon.toStdString();
    record.exe_title = title;
    content_item item;
    item.type = content_image;
    item.content = record.content;
    item.text = record.content;
    item.pixmap = std::make_shared<entry_image>(path);
    item.md5 = record.md5;
    item.icons = record.icons;
    item.exe_title = title;
    FullImageCache().Put(path, image);
    history_.row_images().Store(item.pixmap, image);
    history_.InsertFront(record, std::move(item));
    history_.FinishInsertion();
    last_image_ = path;
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
    const QString icon = base + QStringLiteral("icon.png");
    const QString path = base + QStringLiteral(".txt");
    SaveSourceIcon(target, icon);
    const std::string title = SourceTitle(target);

    const int nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
        || file.write(text.toUtf8()) < 0 || !file.flush()) {
        qCWarning(log_capture) << "save text error!";
        file.close();
        QFile::remove(path);
        QFile::remove(icon);
        return outcome::nothing;
    }
    file.close();

    const QString digest = GetFileMd5(path);
    history_.RemoveDuplicates(digest, FavouritesView());

    const std::int64_t type = clipboard.has_urls ? content_file : content_text;
    PostCaptured(path, type);
    content_record record;
    record.type = type;
    record.content = path.toStdString();
    record.md5 = digest.toStdString();
    record.icons = icon.toStdString();
    record.exe_title = title;
    content_item item;
    item.type = type;
    item.content = record.content;
    item.text = text.toStdString();
    item.md5 = record.md5;
    item.icons = record.icons;
    item.exe_title = title;
    history_.InsertFront(record, std::move(item));
    history_.FinishInsertion();
    return type == content_file ? outcome::file_list : outcome::text;
}
