// The few whole images decoded lately (copy, preview, pin, base64 tend to
// ask for the same entry again), kept so a second use does not decode again.
#pragma once

#include <deque>
#include <mutex>
#include <QImage>
#include <QString>
#include <utility>

class full_image_cache {
public:
    explicit full_image_cache(std::size_t capacity)
        : capacity_(capacity)
    {
    }

    // The image at path, decoded on a miss; null when it cannot be read.
    QImage Get(const QString& path);
    // A freshly captured image, so its first use does not decode the file.
    void Put(const QString& path, const QImage& image);
    void Forget(const QString& path);
    std::size_t size() const;

private:
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::deque<std::pair<QString, QImage>> entries_; // most recent first
};

// The process-wide cache of three images.
full_image_cache& FullImageCache();
