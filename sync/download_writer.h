// Writes the files the server sends into the content folder, one file at a time, on the
// connection's I/O thread. A file lands whole or not at all: its chunks go to a temporary
// file that replaces the target only when the end frame arrives.
#pragma once

#include <memory>
#include <QString>
#include <string_view>

class QSaveFile;

// The server's index ("content.json" on the wire) lands under this name: the live
// content.json belongs to the history, which saves it on every capture.
inline constexpr char synced_index_name[] = "content.json.synced";

class download_writer {
public:
    explicit download_writer(QString content_folder);
    ~download_writer();
    download_writer(const download_writer&) = delete;
    download_writer& operator=(const download_writer&) = delete;

    // One chunk: tag = step digit + file name. The digit is tested bitwise: bit 0 opens the
    // file anew, bit 0 or 1 writes the payload (once), bit 2 ends the file. A tag without a
    // plain file name is dropped and logged; a chunk for another file than the open one
    // drops the open one, unfinished.
    void Write(std::string_view tag, std::string_view payload);

    // The file being written, empty when none.
    QString open_name() const { return name_; }

private:
    void Drop(const char* why);

    const QString folder_;
    QString name_;
    std::unique_ptr<QSaveFile> file_;
};
