#include "history/full_image_cache.h"

#include <QImageReader>

QImage full_image_cache::Get(const QString& path)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->first == path) {
                auto hit = *it;
                entries_.erase(it);
                entries_.push_front(hit);
                return hit.second;
            }
        }
    }
    // Decoding takes tens of milliseconds: not under the lock.
    QImageReader reader(path);
    const QImage image = reader.read();
    if (!image.isNull())
        Put(path, image);
    return image;
}

void full_image_cache::Put(const QString& path, const QImage& image)
{
    std::lock_guard<std::mutex> lock(mutex_);
    EraseLocked(path);
    if (image.sizeInBytes() > budget_)
        return;
    entries_.emplace_front(path, image);
    bytes_ += image.sizeInBytes();
    while (bytes_ > budget_) {
        bytes_ -= entries_.back().second.sizeInBytes();
        entries_.pop_back();
    }
}

void full_image_cache::Forget(const QString& path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    EraseLocked(path);
}

void full_image_cache::EraseLocked(const QString& path)
{
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->first == path) {
            bytes_ -= it->second.sizeInBytes();
            entries_.erase(it);
            return;
        }
    }
}

std::size_t full_image_cache::size() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return entries_.size();
}

qsizetype full_image_cache::bytes() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}

full_image_cache& FullImageCache()
{
    static full_image_cache cache(12 * 1024 * 1024);
    return cache;
}
