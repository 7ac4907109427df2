// The history's side of the synchronisation: entries, deletions and favourite marks that
// arrive from the cloud.
#include "history/base_name.h"
#include "history/capture_rules.h"
#include "history/content_history.h"
#include "history/content_index.h"
#include "history/file_digest.h"
#include "history/full_image_cache.h"

#include "core/log_categories.h"
#include "core/settings_record.h"

#include <algorithm>
#include <iterator>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSet>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("main_window", text);
}

QString FileName(const std::string& path)
{
    const QString full = QString::fromStdString(path);
    return full.mid(full.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

// What the writer found in one synced file.
struct content_history::synced_file {
    bool usable = false;
    content_record record;
    std::string text; // text and file entries
    QImage image; // image entries
    QString copy; // a PNG copy made of a local image file the entry names
};

content_history::synced_file content_history::ReadSyncedFile(const synced_entry& entry) const
{
    synced_file file;
    if (!content_index::IsPlainFileName(entry.name)) {
        qCWarning(log_sync) << "synced name refused:" << entry.name;
        return file;
    }
    const QString path = folder_ + QLatin1Char('/') + entry.name;
    content_record& record = file.record;
    record.collect = entry.code > 9 ? favourite_mark : 0;
    record.type = entry.code > 9 ? entry.code - 10 : entry.code;
    record.content = path.toStdString();
    if (record.type == content_image) {
        file.image = QImageReader(path).read();
        record.md5 = GetFileMd5(path).toStdString();
        file.usable = !file.image.isNull();
        return file;
    }
    if (record.type != content_text && record.type != content_file)
        return file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text))
        return file;
    const QString text = QString::fromUtf8(input.readAll());
    input.close();
    if (text.trimmed().isEmpty())
        return file;
    record.md5 = GetFileMd5(path).toStdString();
    file.text = text.toStdString();
    file.usable = true;
    // A copied image file of this machine comes in as the image itself.
    const QString source = capture_rules::ImageFileSource(text);
    const QImage image = source.isEmpty() ? QImage() : QImageReader(source).read();
    if (image.isNull())
        return file;
    const QString copy
        = base_name::Unique(folder_, QStringLiteral(".png")) + QStringLiteral(".png");
    if (!image.save(copy, "PNG")) {
        qCWarning(log_history) << "save image error!" << copy;
        return file;
    }
    file.copy = copy;
    file.image = image;
    file.text.clear();
    record.type = content_image;
    record.content = copy.toStdString();
    record.md5 = GetFileMd5(source).toStdString();
    return file;
}

bool content_history::InsertSyncedFile(synced_file& file)
{
    if (!file.usable || FindRecordByMd5(QString::fromStdString(file.record.md5)) >= 0) {
        if (!file.copy.isEmpty())
            RemoveLater(file.copy.toStdString());
        return false;
    }
    const content_record& record = file.record;
    content_item item = ItemFields(record);
    if (record.type == content_image) {
        const QString path = QString::fromStdString(record.content);
        item.text = record.content;
        item.pixmap = std::make_shared<entry_image>(path);
        FullImageCache().Put(path, file.image);
        row_images_->Store(item.pixmap, file.image);
    } else {
        item.text = std::move(file.text);
    }
    InsertFront(record, std::move(item));
    TrimToMaxSparingFavourites();
    return true;
}

void content_history::InsertSyncedEntries(std::vector<synced_entry> entries)
{
    if (entries.empty())
        return;
    auto files = std::make_shared<std::vector<synced_file>>();
    OnWriter(
        [this, entries = std::move(entries), files] {
            for (const synced_entry& entry : entries)
                files->push_back(ReadSyncedFile(entry));
        },
        [this, files] {
            int added = 0;
            for (synced_file& file : *files)
                added += InsertSyncedFile(file) ? 1 : 0;
            if (added == 0)
                return;
            SyncedChangeDone();
            // Only an entry that was added: row 0 is then the one that arrived.
            if (Settings().paste_by_cloud && hooks_.copy_first_row)
                hooks_.copy_first_row();
        });
}

void content_history::InsertSyncedRecords(const QStringList& names, const QStringList& types)
{
    if (names.isEmpty() || types.isEmpty())
        return;
    bool numeric = false;
    const std::int64_t code = types.front().trimmed().toLongLong(&numeric);
    if (!numeric) {
        qCWarning(log_sync) << "synced type refused:" << types.front();
        return;
    }
    InsertSyncedEntries({ { names.front(), code } });
}

bool content_history::MergeSyncedIndex(
    const QByteArray& index, const std::vector<QString>& uploaded_names)
{
    content_index::parse_result parsed = content_index::Parse(index, folder_);
    if (parsed.damaged) {
        qCWarning(log_sync) << "the server's index is unusable:" << parsed.reason;
        return false;
    }
    QSet<QString> known;
    for (const QString& name : uploaded_names)
        known.insert(name);
    for (const content_record& record : parsed.records)
        known.insert(FileName(record.content));
    std::vector<content_record> merged;
    for (const content_record& record : records)
        if (!known.contains(FileName(record.content)))
            merged.push_back(record);
    merged.insert(merged.end(), std::make_move_iterator(parsed.records.begin()),
        std::make_move_iterator(parsed.records.end()));
    records = std::move(merged);
    items.clear();
    const size_t n = static_cast<size_t>(std::max<std::int64_t>(0, MaxCount()));
    for (size_t i = 0; i < records.size() && i < n; ++i)
        items.push_back(MakeItem(records[i]));
    SaveContent();
    return true;
}

std::int64_t content_history::FindRecordByName(const QString& name) const
{
    for (size_t i = 0; i < records.size(); ++i) {
        if (FileName(records[i].content) == name)
            return static_cast<std::int64_t>(i);
    }
    return -1;
}

void content_history::SyncedChangeDone()
{
    SaveContent();
    if (hooks_.changed)
        hooks_.changed();
    Notice(Tr("本地列表已与云上同步"));
}

int content_history::RemoveSyncedNames(const std::vector<QString>& names)
{
    int removed = 0;
    for (const QString& name : names) {
        const std::int64_t k = FindRecordByName(name);
        if (k < 0)
            continue;
        const size_t i = static_cast<size_t>(k);
        RemoveEntryFilesLater(records[i]);
        if (i < items.size())
            items.erase(items.begin() + k);
        records.erase(records.begin() + k);
        ++removed;
    }
    if (removed > 0)
        SyncedChangeDone();
    return removed;
}

int content_history::MarkSyncedFavourites(const std::vector<synced_entry>& entries)
{
    int found = 0;
    for (const synced_entry& entry : entries) {
        const std::int64_t k = FindRecordByName(entry.name);
        if (k < 0)
            continue;
        const std::int64_t mark = entry.code > 9 ? favourite_mark : 0;
        const size_t i = static_cast<size_t>(k);
        records[i].collect = mark;
        if (i < items.size())
            items[i].collect = mark;
        ++found;
    }
    if (found > 0)
        SyncedChangeDone();
    return found;
}
