#include "history/content_history.h"

#include "core/atomic_file.h"
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "core/settings_record.h"
#include "history/base_name.h"
#include "history/capture_rules.h"
#include "history/content_index.h"
#include "history/file_digest.h"
#include "history/full_image_cache.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

constexpr int kDeletionBatch = 30;

QString FileName(const std::string& path)
{
    const QString full = QString::fromStdString(path);
    return full.mid(full.lastIndexOf(QLatin1Char('/')) + 1);
}

QString ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

void PostDeletedNames(const std::string& names, bool last)
{
    bus::Post(msg_records_deleted, reinterpret_cast<std::int64_t>(names.c_str()), last ? 1 : 0);
}

content_history::content_history(QString program_folder, history_hooks hooks)
    : folder_(program_folder + QStringLiteral("/content"))
    , hooks_(std::move(hooks))
    , row_images_(std::make_unique<row_image_maker>(program_folder + QStringLiteral("/cache/rows")))
{
}

QString content_history::IndexPath() const
{
    return folder_ + QStringLiteral("/content.json");
}

bool content_history::MakeFolder() const
{
    return QDir().mkpath(folder_);
}

std::int64_t content_history::MaxCount() const
{
    return Settings().max_save_count;
}

void content_history::Notice(const QString& text) const
{
    if (hooks_.notice)
        hooks_.notice(text);
}

bool content_history::InsideFolder(const QString& path) const
{
    const QFileInfo info(path);
    return content_index::IsPlainFileName(info.fileName())
        && QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(folder_);
}

content_item content_history::MakeItem(const content_record& record) const
{
    content_item item;
    item.type = record.type;
    item.collect = record.collect;
    item.content = record.content;
    item.md5 = record.md5;
    item.icons = record.icons;
    item.exe_title = record.exe_title;
    const QString path = QString::fromStdString(record.content);
    // A name that leads out of the folder is not read: a tampered or
    // foreign index must not show (or upload) arbitrary files.
    const bool readable = InsideFolder(path);
    if (record.type == content_image) {
        item.text = record.content;
        if (readable)
            item.pixmap = std::make_shared<entry_image>(path);
    } else {
        // Unknown types show as text, so records and items stay paired.
        if (record.type != content_file)
            item.type = content_text;
        if (readable)
            item.text = ReadText(path).toStdString();
    }
    return item;
}

void content_history::LoadContent()
{
    records.clear();
    items.clear();
    MakeFolder();
    QFile file(IndexPath());
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "could't open projects json!";
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    content_index::parse_result parsed = content_index::Parse(bytes, folder_);
    if (parsed.damaged) {
        qDebug() << "json error!";
        KeepDamagedIndexAside(parsed.reason);
        return;
    }
    index_locked_ = false;
    records = std::move(parsed.records);
    const size_t n = static_cast<size_t>(std::max<std::int64_t>(0, MaxCount()));
    items.reserve(std::min(records.size(), n));
    for (size_t i = 0; i < records.size() && i < n; ++i)
        items.push_back(MakeItem(records[i]));
}

void content_history::KeepDamagedIndexAside(const QString& reason)
{
    const QString aside = IndexPath() + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    if (QFile::rename(IndexPath(), aside)) {
        index_locked_ = false;
        qDebug() << "content.json is damaged (" << reason << "); kept aside as" << aside;
    } else {
        index_locked_ = true;
        qDebug() << "content.json is damaged (" << reason
                 << ") and could not be moved aside; it will not be overwritten";
    }
}

bool content_history::SaveContent()
{
    MakeFolder();
    bool ok = false;
    if (!index_locked_)
        ok = atomic_file::Write(IndexPath(), content_index::Serialize(records, MaxCount()));
    qDebug() << (ok ? "file open!" : "file open error!");
    if (ok)
        RemovePendingFiles();
    if (hooks_.saved)
        hooks_.saved();
    return ok;
}

std::int64_t content_history::FindRecordByMd5(const QString& md5) const
{
    const std::string wanted = md5.toStdString();
    // No digest (an unreadable file) is equal to nothing: it must never
    // remove or hide the entries that were stored without one.
    if (wanted.empty())
        return -1;
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].md5 == wanted)
            return static_cast<std::int64_t>(i);
    }
    return -1;
}

void content_history::RemoveLater(const std::string& path)
{
    if (path.empty())
        return;
    const QString file = QString::fromStdString(path);
    // Only files of our own folder: records can name anything.
    if (InsideFolder(file))
        pending_removals_.push_back(file);
}

void content_history::RemoveEntryFilesLater(const content_record& record)
{
    RemoveLater(record.content);
    RemoveLater(record.icons);
}

void content_history::RemovePendingFiles()
{
    for (const QString& path : pending_removals_) {
        QFile::remove(path);
        FullImageCache().Forget(path);
        row_images_->Forget(path);
    }
    pending_removals_.clear();
}

int content_history::DeleteRecords(
    std::vector<std::int64_t> indexes, bool favourites_view, bool save_now)
{
    // Largest first, so that erasing one never shifts another still to come.
    std::sort(indexes.begin(), indexes.end(), std::greater<std::int64_t>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    int total = 0;
    int in_batch = 0;
    for (std::int64_t k : indexes) {
        if (k < 0 || k >= static_cast<std::int64_t>(records.size()))
            continue;
        const size_t i = static_cast<size_t>(k);
        const content_record& record = records[i];
        if (record.content.find('/') == std::string::npos)
            continue;
        if (record.collect == favourite_mark && !favourites_view)
            continue;
        RemoveEntryFilesLater(record);
        deleted_names += FileName(record.content).toStdString() + ",";
        if (i < items.size())
            items.erase(items.begin() + k);
        records.erase(records.begin() + k);
        ++total;
        if (++in_batch == kDeletionBatch) {
            PostDeletedNames(deleted_names, false);
            deleted_names.clear();
            in_batch = 0;
        }
    }
    PostDeletedNames(deleted_names, true);
    deleted_names.clear();
    // The files go only after a save, so skipping it here is safe: the old
    // index still names files that are still there.
    if (save_now) {
        SaveContent();
        if (hooks_.changed)
            hooks_.changed();
    }
    if (total > 0)
        Notice(QCoreApplication::translate("main_window", "已删除") + QString::number(total)
            + QCoreApplication::translate("main_window", "条内容", nullptr, total));
    return total;
}

int content_history::DeleteSelectIndex(const std::vector<std::int64_t>& rows,
    const std::map<std::int64_t, std::int64_t>& row_to_record, bool favourites_view)
{
    std::vector<std::int64_t> indexes;
    for (std::int64_t row : rows) {
        const auto found = row_to_record.find(row);
        if (found != row_to_record.end())
            indexes.push_back(found->second);
    }
    return DeleteRecords(std::move(indexes), favourites_view);
}

int content_history::RemoveDuplicates(const QString& md5, bool favourites_view)
{
    const std::string wanted = md5.toStdString();
    if (wanted.empty())
        return 0;
    std::vector<std::int64_t> indexes;
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].md5 == wanted && (records[i].collect != favourite_mark || favourites_view))
            indexes.push_back(static_cast<std::int64_t>(i));
    }
    if (indexes.empty())
        return 0;
    return DeleteRecords(std::move(indexes), favourites_view, false);
}

void content_history::TrimToMaxSparingFavourites()
{
    const std::int64_t max = MaxCount();
    if (static_cast<std::int64_t>(items.size()) <= max || items.empty())
        return;
    const size_t last = items.size() - 1;
    if (items[last].collect != favourite_mark) {
        // The record paired with the trimmed item (the last record, unless
        // records beyond max_save_count are still held).
        RemoveEntryFilesLater(records[last]);
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(last));
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(last));
        return;
    }
    if (max <= 1)
        return;
    for (size_t j = last; j-- > 0;) {
        if (items[j].collect == favourite_mark)
            continue;
        const std::string content = items[j].content;
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(j));
        PostDeletedNames(FileName(content).toStdString() + ",", false);
        PostDeletedNames(std::string(), true);
        if (records.size() >= 2) {
            for (size_t r = records.size() - 1; r-- > 0;) {
                if (records[r].content == content) {
                    RemoveEntryFilesLater(records[r]);
                    records.erase(records.begin() + static_cast<std::ptrdiff_t>(r));
                    break;
                }
            }
        }
        return;
    }
}

void content_history::InsertFront(const content_record& record, content_item item)
{
    records.insert(records.begin(), record);
    items.insert(items.begin(), std::move(item));
}

void content_history::FinishInsertion()
{
    TrimToMaxSparingFavourites();
    SaveContent();
    if (hooks_.changed)
        hooks_.changed();
}

content_history::image_file_result content_history::InsertImageFile(const QString& source,
    std::int64_t collect, const std::function<void(const QString&)>& save_icon,
    const std::string& exe_title)
{
    const bool from_capture = static_cast<bool>(save_icon);
    QImageReader reader(source);
    const QImage image = reader.read();
    if (image.isNull())
        return image_file_result::unreadable;
    const QString digest = GetFileMd5(source);
    const int removed = from_capture
        ? RemoveDuplicates(digest, Settings().show_content_type == content_favourite)
        : 0;
    // Still there: a favourite that stays.
    if (FindRecordByMd5(digest) >= 0) {
        if (removed > 0) {
            SaveContent();
            if (hooks_.changed)
                hooks_.changed();
        }
        return image_file_result::exists;
    }

    MakeFolder();
    const QString base = base_name::Unique(folder_, QStringLiteral(".png"));
    const QString path = base + QStringLiteral(".png");
    const QString icon = base + QStringLiteral("icon.png");
    if (from_capture)
        save_icon(icon);
    if (!image.save(path, "PNG")) {
        qDebug() << "save image error!";
        QFile::remove(icon);
        SaveContent(); // duplicates may have gone
        return image_file_result::unreadable;
    }
    if (from_capture) {
        const QByteArray utf8 = path.toUtf8();
        bus::Post(
            msg_record_captured, reinterpret_cast<std::int64_t>(utf8.constData()), content_image);
    }
    content_record record;
    record.type = content_image;
    record.collect = collect;
    record.content = path.toStdString();
    record.md5 = digest.toStdString();
    record.icons = from_capture ? icon.toStdString() : std::string();
    record.exe_title = exe_title;
    content_item item = MakeItem(record);
    FullImageCache().Put(path, image);
    row_images_->Store(item.pixmap, image);
    InsertFront(record, std::move(item));
    FinishInsertion();
    return image_file_result::inserted;
}

void content_history::InsertSyncedRecords(const QStringList& names, const QStringList& types)
{
    if (names.isEmpty() || types.isEmpty())
        return;
    Notice(QCoreApplication::translate("main_window", "本地列表已与云上同步"));
    const QString name = names.front();
    if (!content_index::IsPlainFileName(name)) {
        qDebug() << "synced name refused:" << name;
        return;
    }
    bool numeric = false;
    const std::int64_t code = types.front().trimmed().toLongLong(&numeric);
    if (!numeric) {
        qDebug() << "synced type refused:" << types.front();
        return;
    }
    const std::int64_t collect = code > 9 ? favourite_mark : 0;
    const std::int64_t type = code > 9 ? code - 10 : code;
    const QString path = folder_ + QLatin1Char('/') + name;

    content_record record;
    record.type = type;
    record.collect = collect;
    record.content = path.toStdString();
    if (type == content_image) {
        QImageReader reader(path);
        if (!reader.canRead())
            return;
        const QString digest = GetFileMd5(path);
        if (FindRecordByMd5(digest) < 0) {
            record.md5 = digest.toStdString();
            InsertFront(record, MakeItem(record));
            FinishInsertion();
        }
    } else if (type == content_text || type == content_file) {
        const QString text = ReadText(path);
        if (text.trimmed().isEmpty())
            return;
        const QString digest = GetFileMd5(path);
        if (FindRecordByMd5(digest) >= 0)
            return;
        const QString source = capture_rules::ImageFileSource(text);
        if (!source.isEmpty()
            && InsertImageFile(source, collect, {}, std::string()) != image_file_result::unreadable)
            return;
        record.md5 = digest.toStdString();
        content_item item = MakeItem(record);
        item.text = text.toStdString();
        InsertFront(record, std::move(item));
        FinishInsertion();
    }
    if (Settings().paste_by_cloud && !records.empty() && hooks_.copy_first_row)
        hooks_.copy_first_row();
}
