#include "actions/entry_encoding.h"
#include "tests/unit/unit_files.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

namespace {

content_item Entry(std::int64_t type, const std::string& text, const std::string& content = {})
{
    content_item item;
    item.type = type;
    item.text = text;
    item.content = content;
    return item;
}

// Text md5 and base64 reach the clipboard through the main window's menu.
TEST(EntryEncoding, TextMd5StopsAtNulFilesGiveOneDigestImagesTheirPngAsBase64)
{
    EXPECT_EQ(EncodeEntry(Entry(content_text, std::string("abc\0def", 7)), encoding_md5).text,
        QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));

    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty file"));
    ASSERT_TRUE(unit_test::WriteFile(empty, ""));
    const std::string url = QUrl::fromLocalFile(empty).toString().toStdString();
    EXPECT_EQ(EncodeEntry(Entry(content_file, url), encoding_md5).text,
        QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
    EXPECT_FALSE(EncodeEntry(Entry(content_file, url), encoding_base64).text);
    for (std::size_t type : { encoding_md5, encoding_base64 })
        EXPECT_EQ(EncodeEntry(Entry(content_file, url + "\n" + url), type).report.notice,
            QStringLiteral("无法对多个文件编码"));
    // A file that is gone: the empty digest still goes to the clipboard.
    EXPECT_EQ(EncodeEntry(Entry(content_file, "file:///no/such/file"), encoding_md5).text, "");

    const QString path = dir.filePath(QStringLiteral("i.png"));
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path));
    content_item item = Entry(content_image, path.toStdString(), path.toStdString());
    item.pixmap = std::make_shared<entry_image>(path);
    const encoding_result r = EncodeEntry(item, encoding_base64);
    ASSERT_TRUE(r.text);
    const QImage back = QImage::fromData(QByteArray::fromBase64(r.text->toLatin1()), "PNG");
    EXPECT_EQ(back.size(), QSize(640, 480));
    EXPECT_EQ(back.pixelColor(5, 5), QColor(Qt::blue));
    const QByteArray digest
        = QCryptographicHash::hash(unit_test::ReadFile(path), QCryptographicHash::Md5);
    EXPECT_EQ(EncodeEntry(item, encoding_md5).text, QString::fromLatin1(digest.toHex()));
}

} // namespace
