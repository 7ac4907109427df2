// The history: the stored records and the display items, newest first, with
// the operations that keep them, the folder content/ and content.json in step.
#pragma once

#include "history/content_item.h"
#include "history/content_record.h"
#include "history/row_image_maker.h"

class history_writer;
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// What the history asks of the window that shows it.
struct history_hooks {
    // A notice for the user (the popup of the window).
    std::function<void(const QString& text)> notice;
    // content.json was written: write config.json too, so both match.
    std::function<void()> saved;
    // The history changed: rebuild the list.
    std::function<void()> changed;
    // An entry arrived from the cloud and paste_by_cloud is on: put row 0 on
    // the clipboard.
    std::function<void()> copy_first_row;
};

class content_history {
public:
    explicit content_history(QString program_folder, history_hooks hooks = {});
    // Finishes the writes still held; the hooks are no longer called.
    ~content_history();
    content_history(const content_history&) = delete;
    content_history& operator=(const content_history&) = delete;

    // records[i] and items[i] describe one entry; items may be shorter
    // (records beyond max_save_count have no item).
    std::vector<content_record> records;
    std::vector<content_item> items;
    // File names of deleted entries, each followed by ",", for the sync service.
    std::string deleted_names;

    QString ContentFolder() const { return folder_; }
    QString IndexPath() const;
    bool MakeFolder() const;
    row_image_maker& row_images() { return *row_images_; }

    // From now on files and the index are written by one worker thread, in
    // order, and their results come back through the event loop. Without it
    // (tests of the logic) everything happens at once on the caller's thread.
    void UseWriterThread();
    // Every write handed over is on disk and its entry in the lists (quit).
    void FinishWrites();
    // Runs then once the writes handed over so far have landed.
    void AfterWrites(std::function<void()> then);

    // A new entry from the clipboard, taken on the GUI thread; its file is
    // written (PNG encoding included) on the writer, then it goes in at the
    // top, replacing older equal entries. An entry whose file could not be
    // written stays here and is tried again before the next one.
    struct new_entry {
        std::int64_t type = content_text;
        QString path; // the content file to write
        QString icon; // the source icon, already on disk; empty when none
        std::string exe_title;
        QImage image; // image entries
        // Image entries from another program: its PNG, decoded on the writer.
        QByteArray encoded;
        QByteArray bytes; // text and file entries: the file's bytes
        std::string text; // text and file entries: what the row shows
    };
    void AddEntry(new_entry entry);
    // Entries waiting for a retry after their file could not be written.
    size_t unwritten_count() const { return unwritten_.size(); }

    void LoadContent();
    // Hands the index to the writer (or writes it at once without one); a
    // failure is logged and shown once. True unless the index is locked or
    // a direct write failed.
    bool SaveContent();
    std::int64_t FindRecordByMd5(const QString& md5) const;

    // Deletes the entries at these record indexes (any order); a favourite
    // only when favourites_view. Posts the deleted names in batches of 30,
    // saves (unless an insertion that saves follows: save_now false), asks
    // for a rebuild and shows the notice. Returns the count.
    int DeleteRecords(
        std::vector<std::int64_t> indexes, bool favourites_view, bool save_now = true);
    // The same for list rows, looked up in row_to_record; rows not there are skipped.
    int DeleteSelectIndex(const std::vector<std::int64_t>& rows,
        const std::map<std::int64_t, std::int64_t>& row_to_record, bool favourites_view);
    // Every entry with this digest that may go; returns how many went. The
    // caller saves (an insertion follows).
    int RemoveDuplicates(const QString& md5, bool favourites_view);

    // Trims one entry when the items exceed max_save_count, sparing favourites.
    void TrimToMaxSparingFavourites();
    // After the maximum was lowered: the oldest entries that are no
    // favourites go until at most max are left (favourites stay, even beyond
    // it), and the index is saved when any went; their files are removed
    // once the index without them is on disk. Returns how many went; the
    // caller refreshes the list.
    int TrimToSparingFavourites(std::int64_t max);

    void InsertFront(const content_record& record, content_item item);

    // Entries whose content files the sync service just wrote, oldest first:
    // each one not held already (by digest) goes in at the top. Files are
    // read, hashed and decoded on the writer. The notice, and with
    // paste_by_cloud the copy of row 0, follow only when one was added.
    struct synced_entry {
        QString name; // a file name in the content folder
        std::int64_t code = 0; // type, plus 10 for a favourite
    };
    void InsertSyncedEntries(std::vector<synced_entry> entries);
    // The same for the first name and type text only.
    void InsertSyncedRecords(const QStringList& names, const QStringList& types);
    // Deletions made on another machine: the first entry with each file name
    // goes, files included, without telling the sync service again. Saves,
    // rebuilds and shows the notice when one went; returns the count.
    int RemoveSyncedNames(const std::vector<QString>& names);
    // Favourite changes made on another machine: the first entry with each
    // file name is marked (code above 9) or unmarked. Returns the count found.
    int MarkSyncedFavourites(const std::vector<synced_entry>& entries);
    // The server's merged index (content.json bytes) that answers an index upload becomes
    // the history, below the local entries the upload did not hold (captured since): the
    // others it lacks were dropped on purpose and stay out (their files stay on disk).
    // Saved; the caller shows it. False, nothing changed, when the bytes are no index.
    bool MergeSyncedIndex(const QByteArray& index, const std::vector<QString>& uploaded_names);
    // Position of the first record whose file name is name, or -1.
    std::int64_t FindRecordByName(const QString& name) const;

    enum class image_file_result { inserted, exists, unreadable };
    // An image entry made from an image file outside the folder: a PNG copy
    // in content/, with the digest of the source file. A capture
    // (save_icon set) replaces equal entries first and posts
    // msg_record_captured; a synced entry is not inserted when one exists.
    image_file_result InsertImageFile(const QString& source, std::int64_t collect,
        const std::function<void(const QString& icon_path)>& save_icon,
        const std::string& exe_title);

    // Ends an insertion: trim, save, rebuild.
    void FinishInsertion();

    std::int64_t MaxCount() const;
    const history_hooks& hooks() const { return hooks_; }

private:
    // The item's copy of the record's fields, without reading its file.
    static content_item ItemFields(const content_record& record);
    content_item MakeItem(const content_record& record) const;
    bool InsideFolder(const QString& path) const;
    void RemoveLater(const std::string& path);
    void RemoveEntryFilesLater(const content_record& record);
    void KeepDamagedIndexAside(const QString& reason);
    void Notice(const QString& text) const;
    void OnWriter(std::function<void()> work, std::function<void()> done);
    struct written {
        bool ok = false;
        bool not_an_image = false; // nothing to keep or to try again
        QImage image; // decoded from new_entry::encoded
        QString digest;
        QString error;
    };
    static written WriteEntry(const new_entry& entry);
    void EntryWritten(new_entry entry, const written& result);
    void IndexWritten(bool ok, const QString& error, const std::vector<QString>& removed);
    void SaveFailed(const QString& path, const QString& error);
    struct synced_file;
    synced_file ReadSyncedFile(const synced_entry& entry) const;
    bool InsertSyncedFile(synced_file& file);
    // Saves, rebuilds and tells the user that the list follows the cloud.
    void SyncedChangeDone();

    const QString folder_;
    history_hooks hooks_;
    std::unique_ptr<row_image_maker> row_images_;
    // Files of removed entries go only after the index that no longer names
    // them is on disk: a crash in between leaves a stray file, never an
    // entry without its file.
    std::vector<QString> pending_removals_;
    // A damaged index that could not be moved aside is never overwritten.
    bool index_locked_ = false;
    std::unique_ptr<history_writer> writer_;
    std::vector<new_entry> unwritten_;
    // A failing disk is told once, not on every capture, until a save works again.
    bool failure_shown_ = false;
};

// Posts msg_records_deleted with the text and b.
void PostDeletedNames(const std::string& names, bool last);
