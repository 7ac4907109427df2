#include "history/entry_image.h"

#include "history/full_image_cache.h"

#include <QImageReader>

entry_image::entry_image(QString path)
    : path_(std::move(path))
{
}

QSize entry_image::Size() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!size_known_) {
        QImageReader reader(path_);
        size_ = reader.size();
        size_known_ = true;
    }
    return size_;
}

QImage entry_image::RowImage() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return row_;
}

void entry_image::SetRowImage(const QImage& image)
{
    std::lock_guard<std::mutex> lock(mutex_);
    row_ = image;
}

bool entry_image::HasRowImage() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return !row_.isNull();
}

QImage entry_image::Full() const
{
    return FullImageCache().Get(path_);
}

QSize entry_image::RowSize(const QSize& full)
{
    if (full.isEmpty())
        return {};
    constexpr int height = 200;
    constexpr int max_width = 664;
    const int width = static_cast<int>(static_cast<qint64>(height) * full.width() / full.height());
    if (width <= max_width)
        return { qMax(1, width), height };
    return { max_width,
        qMax(1, static_cast<int>(static_cast<qint64>(max_width) * full.height() / full.width())) };
}
