#include "history/row_image_maker.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

row_image_maker::row_image_maker(QString cache_folder, qsizetype byte_budget)
    : folder_(std::move(cache_folder))
    , budget_(byte_budget)
{
    // One worker: decoding is CPU-bound and the GUI thread needs the other core.
    pool_.setMaxThreadCount(1);
}

row_image_maker::~row_image_maker()
{
    pool_.clear();
    pool_.waitForDone();
}

QString row_image_maker::CachePath(const QString& content_path) const
{
    return folder_ + QLatin1Char('/') + QFileInfo(content_path).fileName();
}

void row_image_maker::Request(
    const std::shared_ptr<entry_image>& image, std::function<void()> ready)
{
    if (!image || image->HasRowImage())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!queued_.insert(image->path()).second)
            return;
    }
    // A weak pointer: an entry deleted while queued is not decoded.
    std::weak_ptr<entry_image> weak = image;
    pool_.start([this, weak, ready = std::move(ready)] {
        if (auto entry = weak.lock()) {
            Make(entry);
            std::lock_guard<std::mutex> lock(mutex_);
            queued_.erase(entry->path());
        }
        if (ready)
            ready();
    });
}

void row_image_maker::Make(const std::shared_ptr<entry_image>& image)
{
    const QString cached = CachePath(image->path());
    const QFileInfo cache_info(cached);
    const QFileInfo content_info(image->path());
    if (cache_info.exists() && content_info.exists()
        && cache_info.lastModified() >= content_info.lastModified()) {
        QImage row;
        if (row.load(cached)) {
            Hold(image, row);
            return;
        }
    }
    QImageReader reader(image->path());
    const QSize row_size = entry_image::RowSize(reader.size());
    // Formats that can decode at a smaller size (JPEG) skip the whole image.
    if (row_size.isValid() && reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(row_size);
    QImage full = reader.read();
    if (full.isNull())
        return;
    const QImage row = full.size() == row_size ? full
                                               : full.scaled(entry_image::RowSize(full.size()),
                                                   Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    full = QImage();
    Hold(image, row);
    WriteCacheFile(image->path(), row);
}

void row_image_maker::Store(const std::shared_ptr<entry_image>& image, const QImage& full)
{
    if (!image || full.isNull())
        return;
    const QImage row = full.scaled(
        entry_image::RowSize(full.size()), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    Hold(image, row);
    const QString path = image->path();
    pool_.start([this, path, row] { WriteCacheFile(path, row); });
}

void row_image_maker::Hold(const std::shared_ptr<entry_image>& image, const QImage& row)
{
    image->SetRowImage(row);
    std::lock_guard<std::mutex> lock(mutex_);
    // Held once: a picture made again moves to the young end.
    for (auto it = held_.begin(); it != held_.end(); ++it) {
        if (it->image.lock() == image) {
            held_bytes_ -= it->bytes;
            held_.erase(it);
            break;
        }
    }
    held_.push_back({ image, row.sizeInBytes() });
    held_bytes_ += row.sizeInBytes();
    while (held_bytes_ > budget_ && held_.size() > 1) {
        const held_row oldest = held_.front();
        held_.pop_front();
        held_bytes_ -= oldest.bytes;
        // Made again, when painted, from its cache file.
        if (auto entry = oldest.image.lock(); entry && entry != image)
            entry->SetRowImage(QImage());
    }
}

qsizetype row_image_maker::HeldBytes()
{
    std::lock_guard<std::mutex> lock(mutex_);
    return held_bytes_;
}

void row_image_maker::WriteCacheFile(const QString& content_path, const QImage& row)
{
    if (!QDir().mkpath(folder_))
        return;
    // Atomic, so that a crash never leaves a half thumbnail that looks valid.
    QSaveFile file(CachePath(content_path));
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (!row.save(&file, "PNG")) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

void row_image_maker::Forget(const QString& content_path)
{
    QFile::remove(CachePath(content_path));
}

bool row_image_maker::WaitForDone(int timeout_ms)
{
    return pool_.waitForDone(timeout_ms);
}
