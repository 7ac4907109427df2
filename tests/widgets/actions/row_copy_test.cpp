// CopyRowContent on the real (offscreen) clipboard: each entry kind, the
// flip, rows out of range, and the guard against capturing our own write.
#include "actions/row_copy.h"
#include "history/clipboard_capture.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

content_item Entry(std::int64_t type, const std::string& text)
{
    content_item item;
    item.type = type;
    item.text = text;
    return item;
}

class RowCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        skip_clipboard_change = false;
        clipboard.setText(QStringLiteral("before"));
    }
    QClipboard& clipboard = *QGuiApplication::clipboard();
};

TEST_F(RowCopy, TextPlainAndFlippedByCodePoint)
{
    const std::vector<content_item> view = { Entry(content_text, "abc\xF0\x9F\x98\x80") };
    action_report report = CopyRowContent(view, 0, false, clipboard);
    EXPECT_EQ(clipboard.text(), QString::fromUtf8("abc\xF0\x9F\x98\x80"));
    EXPECT_TRUE(skip_clipboard_change);
    EXPECT_EQ(report.status, QStringLiteral("  文本已复制至剪贴板"));
    EXPECT_EQ(report.notice, QStringLiteral("文本已经复制到剪贴板"));

    CopyRowContent(view, 0, true, clipboard);
    EXPECT_EQ(clipboard.text(),
        QString::fromUtf8("\xF0\x9F\x98\x80"
                          "cba"));
}

TEST_F(RowCopy, FileListBecomesUrlsAndIsNeverFlipped)
{
    const std::vector<content_item> view
        = { Entry(content_file, "file:///tmp/a b.txt\nfile:///tmp/c.txt") };
    const action_report report = CopyRowContent(view, 0, true, clipboard);
    const QList<QUrl> urls = clipboard.mimeData()->urls();
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0].toLocalFile(), QStringLiteral("/tmp/a b.txt"));
    EXPECT_EQ(urls[1].toLocalFile(), QStringLiteral("/tmp/c.txt"));
    EXPECT_EQ(report.notice, QStringLiteral("文件已经复制到剪贴板"));
}

TEST_F(RowCopy, ImageGoesWholeNotAsTheRowPicture)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.png"));
    QImage image(900, 300, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path));
    content_item item = Entry(content_image, path.toStdString());
    item.pixmap = std::make_shared<entry_image>(path);
    const action_report report = CopyRowContent({ item }, 0, false, clipboard);
    EXPECT_EQ(clipboard.image().size(), QSize(900, 300));
    EXPECT_EQ(report.status, QStringLiteral("  图片已复制至剪贴板"));
    EXPECT_EQ(report.notice, QStringLiteral("图片已经复制到剪贴板"));
}

TEST_F(RowCopy, RowsOutsideTheListAndUnknownKindsChangeNothing)
{
    const std::vector<content_item> view = { Entry(content_text, "x"), Entry(7, "odd") };
    for (std::int64_t row : { std::int64_t { -1 }, std::int64_t { 2 }, std::int64_t { 1 } }) {
        EXPECT_TRUE(CopyRowContent(view, row, false, clipboard).empty());
        EXPECT_FALSE(skip_clipboard_change);
        EXPECT_EQ(clipboard.text(), QStringLiteral("before"));
    }
}

} // namespace
