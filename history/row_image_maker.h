// Makes the row pictures of image entries on a worker thread, only for the
// entries asked for (the rows being shown), and keeps each as a small file in
// a cache folder outside content/, so that the next start reads a few
// kilobytes instead of decoding a whole screenshot. The pictures held in
// memory have a byte budget: a row picture is a few hundred kilobytes, and the
// list shows a handful at a time; one dropped is read back from its file.
#pragma once

#include "history/entry_image.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <QString>
#include <QThreadPool>
#include <set>

class row_image_maker {
public:
    explicit row_image_maker(QString cache_folder, qsizetype byte_budget = 4 * 1024 * 1024);
    ~row_image_maker();
    row_image_maker(const row_image_maker&) = delete;
    row_image_maker& operator=(const row_image_maker&) = delete;

    // Queues the entry unless its picture is there or already queued. ready
    // runs on the worker thread after the picture was set (also when the
    // file could not be decoded: the picture then stays null).
    void Request(const std::shared_ptr<entry_image>& image, std::function<void()> ready = {});

    // For an image the program holds decoded anyway (a capture): the row
    // picture is set at once, its cache file written on the worker.
    void Store(const std::shared_ptr<entry_image>& image, const QImage& full);

    // Removes the cache file of a content file that is gone.
    void Forget(const QString& content_path);

    // Tests and benchmarks: waits until the queue is empty.
    bool WaitForDone(int timeout_ms);

    QString CachePath(const QString& content_path) const;
    // Bytes of the row pictures this maker set that are still held.
    qsizetype HeldBytes();

private:
    // Sets the picture, then drops the oldest pictures over the budget.
    void Hold(const std::shared_ptr<entry_image>& image, const QImage& row);
    void Make(const std::shared_ptr<entry_image>& image);
    void WriteCacheFile(const QString& content_path, const QImage& row);

    const QString folder_;
    QThreadPool pool_;
    std::mutex mutex_;
    std::set<QString> queued_;
    const qsizetype budget_;
    struct held_row {
        std::weak_ptr<entry_image> image;
        qsizetype bytes;
    };
    std::deque<held_row> held_; // oldest first
    qsizetype held_bytes_ = 0;
};
