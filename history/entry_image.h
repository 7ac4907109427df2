// The picture of an image entry. The list only ever needs a row-sized copy,
// so that is all an entry keeps; the whole image is decoded on demand through
// a small shared cache (a 1920x1080 image is 8 MB decoded).
#pragma once

#include <mutex>
#include <QImage>
#include <QSize>
#include <QString>

class entry_image {
public:
    explicit entry_image(QString path);

    const QString& path() const { return path_; }

    // Size of the whole image, read from the file header once; empty when
    // the file cannot be read.
    QSize Size() const;

    // The row picture: 200 pixels high, at most 664 wide. Null until made
    // (row_image_maker makes it off the GUI thread).
    QImage RowImage() const;
    void SetRowImage(const QImage& image);
    bool HasRowImage() const;

    // The whole image, decoded now unless it is in the cache.
    QImage Full() const;

    // Row picture size for an image of the given size.
    static QSize RowSize(const QSize& full);

private:
    const QString path_;
    mutable std::mutex mutex_;
    mutable QSize size_;
    mutable bool size_known_ = false;
    QImage row_;
};
