// Everything the client sends of its history: the index after a login, content files in
// chunks, new records, deletions and favourite changes. One worker thread sends them in the
// order they were asked for, so the GUI thread never reads a large file for the network,
// and a record's file always goes out before the record.
#pragma once

#include "core/serial_worker.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

class history_upload {
public:
    // Sends one frame; false when it was not queued (not logged in, not connected).
    using send_function = std::function<bool(
        const char* payload, std::size_t length, std::string_view tag, std::uint8_t kind)>;

    history_upload(std::string content_folder, send_function send);
    // Drops what was not sent yet.
    ~history_upload() = default;
    history_upload(const history_upload&) = delete;
    history_upload& operator=(const history_upload&) = delete;

    // content.json in chunks of kind_index_upload, or kind_index_missing without one.
    void UploadIndex();
    // The file names in the index last sent (none after kind_index_missing). Taken before its
    // first chunk goes, so the server's reply to it always finds them.
    std::vector<std::string> SentIndexNames() const;
    // Each file of the folder as chunks of kind: '1' + name for the first, '2' + name for
    // the others, then an empty '4' + name. A file that cannot be read is skipped.
    void SendFiles(std::vector<std::string> names, std::uint8_t kind);
    // The files an upload.json (its bytes) names, then kind_files_done.
    void UploadListedFiles(std::string json);
    // A captured entry: its file, then kind_record_added tagged type digit + name.
    void RecordAdded(std::string path, std::int64_t type);
    // A batch text of "item," items as kind more or, for the last batch, last. A text
    // longer than a payload is split between items into more batches.
    void SendBatch(std::string text, bool is_last, std::uint8_t more, std::uint8_t last);

    // Waits until everything asked for so far was handed to send. Tests.
    void Finish() { worker_.WaitIdle(); }

private:
    void SendFilesNow(const std::vector<std::string>& names, std::uint8_t kind);
    void SendChunks(const std::string& name, std::istream& in, std::uint8_t kind);

    const std::string folder_;
    const send_function send_;
    mutable std::mutex names_mutex_;
    std::vector<std::string> sent_index_names_;
    // Its stopping also ends a file being sent.
    serial_worker worker_;
};

// The pieces a batch text is sent in: at most max bytes each, cut after a ",". An item
// longer than max is cut where the room ends. An empty text is one empty piece.
std::vector<std::string> SplitBatch(std::string_view text, std::size_t max);
