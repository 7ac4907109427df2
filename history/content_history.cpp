#include "history/content_history.h"

#include "core/atomic_file.h"
#include "core/log_categories.h"
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "core/settings_record.h"
#include "history/base_name.h"
#include "history/capture_rules.h"
#include "history/content_index.h"
#include "history/file_digest.h"
#include "history/full_image_cache.h"
#include "history/history_writer.h"

#include <algorithm>
#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace {

constexpr int kDeletionBatch = 30;
// Entries kept for a retry while the disk fails; older ones are given up.
constexpr size_t kUnwrittenKept = 50;

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

void PostCaptured(const QString& path, std::int64_t type)
{
    const QByteArray utf8 = path.toUtf8();
    bus::Post(msg_record_captured, reinterpret_cast<std::int64_t>(utf8.constData()), type);
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

content_history::~content_history()
{
    hooks_ = {};
    writer_.reset();
}

void content_history::UseWriterThread()
{
    if (!writer_)
        writer_ = std::make_unique<history_writer>();
}

void content_history::FinishWrites()
{
    if (writer_)
        writer_->Finish();
}

void content_history::AfterWrites(std::function<void()> then)
{
    OnWriter([] {}, std::move(then));
}

void content_history::OnWriter(std::function<void()> work, std::function<void()> done)
{
    if (writer_) {
        writer_->Post(std::move(work), std::move(done));
        return;
    }
    work();
    done();
}

void content_history::SaveFailed(const QString& path, const QString& error)
{
    qCWarning(log_history) << "history not saved:" << path << error;
    if (failure_shown_)
        return;
    failure_shown_ = true;
    Notice(QCoreApplication::translate("main_window", "历史记录无法保存"));
}

content_history::written content_history::WriteEntry(const new_entry& entry)
{
    written result;
    QByteArray bytes = entry.bytes;
    if (entry.type == content_image && entry.image.isNull()) {
        // Kept as it came: it is a PNG already.
        result.image = QImage::fromData(entry.encoded, "PNG");
        if (result.image.isNull()) {
            result.not_an_image = true;
            return result;
        }
        bytes = entry.encoded;
    } else if (entry.type == content_image) {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly) || !entry.image.save(&buffer, "PNG")) {
            result.error = QStringLiteral("the image could not be encoded");
            return result;
        }
    }
    // Through a temporary file: a failed or short write leaves no half file
    // that a later index could name.
    QSaveFile file(entry.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    result.digest
        = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    return result;
}

void content_history::AddEntry(new_entry entry)
{
    std::vector<new_entry> batch = std::move(unwritten_);
    unwritten_.clear();
    batch.push_back(std::move(entry));
    for (new_entry& next : batch) {
        auto shared = std::make_shared<new_entry>(std::move(next));
        auto result = std::make_shared<written>();
        OnWriter([shared, result] { *result = WriteEntry(*shared); },
            [this, shared, result] { EntryWritten(std::move(*shared), *result); });
    }
}

void content_history::EntryWritten(new_entry entry, const written& result)
{
    if (result.not_an_image) {
        qCWarning(log_capture) << "the clipboard's PNG does not decode; nothing recorded";
        if (!entry.icon.isEmpty())
            QFile::remove(entry.icon);
        return;
    }
    if (!result.ok) {
        SaveFailed(entry.path, result.error);
        if (unwritten_.size() >= kUnwrittenKept) {
            qCWarning(log_history) << "given up after failed writes:" << unwritten_.front().path;
            unwritten_.erase(unwritten_.begin());
        }
        unwritten_.push_back(std::move(entry));
        return;
    }
    RemoveDuplicates(result.digest, Settings().show_content_type == content_favourite);
    PostCaptured(entry.path, entry.type);
    content_record record;
    record.type = entry.type;
    record.content = entry.path.toStdString();
    record.md5 = result.digest.toStdString();
    // Only an icon that is on disk: a record never names a missing file.
    if (!entry.icon.isEmpty() && QFile::exists(entry.icon))
        record.icons = entry.icon.toStdString();
    record.exe_title = entry.exe_title;
    content_item item = ItemFields(record);
    if (entry.type == content_image) {
        item.text = record.content;
        item.pixmap = std::make_shared<entry_image>(entry.path);
        const QImage& image = entry.image.isNull() ? result.image : entry.image;
        FullImageCache().Put(entry.path, image);
        row_images_->Store(item.pixmap, image);
    } else {
        item.text = std::move(entry.text);
    }
    InsertFront(record, std::move(item));
    FinishInsertion();
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

content_item content_history::ItemFields(const content_record& record)
{
    content_item item;
    item.type = record.type;
    item.collect = record.collect;
    item.content = record.content;
    item.md5 = record.md5;
    item.icons = record.icons;
    item.exe_title = record.exe_title;
    return item;
}

content_item content_history::MakeItem(const content_record& record) const
{
    content_item item = ItemFields(record);
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
    // What was handed over lands first: the index read back must be the latest.
    FinishWrites();
    records.clear();
    items.clear();
    MakeFolder();
    QFile file(IndexPath());
    if (!file.open(QIODevice::ReadOnly)) {
        // One that is there but unreadable still holds the history: never
        // replace it with a new, shorter one.
        index_locked_ = file.exists();
        qCDebug(log_history) << "could't open projects json!" << IndexPath() << file.errorString();
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    content_index::parse_result parsed = content_index::Parse(bytes, folder_);
    if (parsed.damaged) {
        qCWarning(log_history) << "json error!";
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
        qCWarning(log_history) << "content.json is damaged (" << reason << "); kept aside as"
                               << aside;
    } else {
        index_locked_ = true;
        qCWarning(log_history) << "content.json is damaged (" << reason
                               << ") and could not be moved aside; it will not be overwritten";
    }
}

bool content_history::SaveContent()
{
    MakeFolder();
    if (index_locked_) {
        qCWarning(log_history) << "file open error!";
        if (hooks_.saved)
            hooks_.saved();
        return false;
    }
    // Serialised here, where the records live; written on the writer after
    // the entry files handed over before it. The files of removed entries
    // go only once the index that no longer names them is on disk.
    auto bytes = std::make_shared<QByteArray>(content_index::Serialize(records, MaxCount()));
    auto removed = std::make_shared<std::vector<QString>>(std::move(pending_removals_));
    pending_removals_.clear();
    auto ok = std::make_shared<bool>(false);
    auto error = std::make_shared<QString>();
    OnWriter(
        [path = IndexPath(), bytes, removed, ok, error] {
            *ok = atomic_file::Write(path, *bytes, error.get());
            if (*ok)
                for (const QString& file : *removed)
                    QFile::remove(file);
        },
        [this, removed, ok, error] { IndexWritten(*ok, *error, *removed); });
    return writer_ || *ok;
}

void content_history::IndexWritten(
    bool ok, const QString& error, const std::vector<QString>& removed)
{
    if (ok) {
        qCDebug(log_history) << "file open!";
        failure_shown_ = false;
        for (const QString& path : removed) {
            FullImageCache().Forget(path);
            row_images_->Forget(path);
        }
    } else {
        SaveFailed(IndexPath(), error);
        // Still named by the index on disk: removed after the next save that works.
        pending_removals_.insert(pending_removals_.end(), removed.begin(), removed.end());
    }
    if (hooks_.saved)
        hooks_.saved();
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

int content_history::TrimToSparingFavourites(std::int64_t max)
{
    const size_t limit = static_cast<size_t>(std::max<std::int64_t>(0, max));
    int removed = 0;
    for (size_t j = items.size(); j-- > 0 && items.size() > limit;) {
        if (items[j].collect == favourite_mark || j >= records.size())
            continue;
        // records[j] is the entry of items[j].
        RemoveEntryFilesLater(records[j]);
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(j));
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(j));
        ++removed;
    }
    if (removed > 0)
        SaveContent();
    return removed;
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
        qCWarning(log_history) << "save image error!";
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
    // Only an icon that is on disk: a record never names a missing file.
    record.icons = from_capture && QFile::exists(icon) ? icon.toStdString() : std::string();
    record.exe_title = exe_title;
    content_item item = MakeItem(record);
    FullImageCache().Put(path, image);
    row_images_->Store(item.pixmap, image);
    InsertFront(record, std::move(item));
    FinishInsertion();
    return image_file_result::inserted;
}
