#include "history/fold_text.h"
#include "history/row_text.h"
#include "tests/unit/unit_files.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

namespace {

// Rows fold like FoldText, though huge texts are folded from a prefix only.
TEST(RowText, FoldsAsFoldTextDoesShortOrHuge)
{
    const std::string long_line(40000, 'x');
    for (const std::string& text :
        { std::string("\n \t\nfirst\nsecond"), std::string("1\n2\n3\n4\n5\n6\n7\n8"),
            long_line + "\nsecond", "a\n" + long_line, "a\nb\nc\nd\ne\nf\n" + long_line,
            "\n \n" + long_line, std::string("\xe4\xbd\xa0", 3) + long_line }) {
        for (int max : { 0, 1, 5 }) {
            QString whole = QString::fromStdString(text);
            const int lines = FoldText(whole, max);
            const auto shown = row_text::Shown(text, false, max);
            EXPECT_EQ(shown.lines, lines) << text.substr(0, 8) << " " << max;
            if (whole.size() < 20000) {
                EXPECT_EQ(shown.text, whole) << text.substr(0, 8) << " " << max;
            } else {
                EXPECT_TRUE(whole.startsWith(shown.text.left(shown.text.size() - 2)));
                EXPECT_LT(shown.text.size(), 20000);
            }
        }
    }
}

TEST(RowText, ToolTipsGiveDetailsAndKeepTheScheme)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("1.txt"));
    ASSERT_TRUE(unit_test::WriteFile(path, "x"));
    content_item item;
    item.type = content_file;
    item.text = "file:///C:/dir/a.txt";
    item.content = path.toStdString();
    item.exe_title = "Files";
    const QString tip = row_text::TextToolTip(item);
    EXPECT_TRUE(tip.startsWith(QStringLiteral("file:///C:/dir/a.txt \n\n字符长度：20\n")));
    EXPECT_TRUE(tip.endsWith(
        QStringLiteral("最后修改：") + row_text::FileTime(QFileInfo(path).lastModified())));
    // The length is the entry's, in characters, not that of its folded form.
    item.text = "a\nb\n\xF0\x9F\x98\x80";
    EXPECT_TRUE(row_text::TextToolTip(item).contains(QStringLiteral("字符长度：5\n")));

    // A content file that is gone shows empty times.
    item.type = content_image;
    item.content = folder.filePath(QStringLiteral("gone.png")).toStdString();
    EXPECT_EQ(row_text::ImageToolTip(item),
        QStringLiteral("「图片文件」\n\n窗口标题：Files\n创建日期：\n最后修改："));
}

} // namespace
