// The whole images decoded lately (copy, preview, pin, base64 tend to ask
// for the same entry again), kept so a second use does not decode again. A
// screenshot decoded is tens of megabytes: the cache holds a byte budget,
// not a count, and a picture larger than the budget is not kept.
#pragma once

#include <deque>
#include <mutex>
#include <QImage>
#include <QString>
#include <utility>

class full_image_cache {
public:
    explicit full_image_cache(qsizetype byte_budget)
        : budget_(byte_budget)
    {
    }

    // The image at path, decoded on a miss; null when it cannot be read.
    QImage Get(const QString& path);
    // A freshly captured image, so its first use does not decode the file.
    void Put(const QString& path, const QImage& image);
    void Forget(const QString& path);
    std::size_t size() const;
    qsizetype bytes() const;

private:
    void EraseLocked(const QString& path);

    const qsizetype budget_;
    qsizetype bytes_ = 0;
    mutable std::mutex mutex_;
    std::deque<std::pair<QString, QImage>> entries_; // most recent first
};

// The process-wide cache: one full-HD screenshot's worth.
full_image_cache& FullImageCache();
