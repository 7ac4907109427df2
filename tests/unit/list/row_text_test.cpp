#include "history/fold_text.h"
#include "history/row_text.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kEllipsis = QStringLiteral(" \u2026");

TEST(RowText, FoldsAsTheListShowsIt)
{
    // Blank leading lines are skipped; a one-line text gets a trailing space.
    auto shown = row_text::Shown("\n \t\nfirst\nsecond", false, 5);
    EXPECT_EQ(shown.text, QStringLiteral("first\nsecond") + kEllipsis);
    EXPECT_EQ(shown.lines, 2);
    shown = row_text::Shown("one", false, 5);
    EXPECT_EQ(shown.text, QStringLiteral("one "));
    EXPECT_EQ(shown.lines, 1);
    shown = row_text::Shown("a\nb\nc", false, 5);
    EXPECT_EQ(shown.text, QStringLiteral("a\nb\nc") + kEllipsis);
    EXPECT_EQ(shown.lines, 3);
    shown = row_text::Shown("1\n2\n3\n4\n5\n6\n7\n8", false, 5);
    EXPECT_EQ(shown.text, QStringLiteral("1\n2\n3\n4\n5") + kEllipsis);
    EXPECT_EQ(shown.lines, 5);
    // Compact rows join the lines into one.
    shown = row_text::Shown("a\nb\nc", false, 1);
    EXPECT_EQ(shown.text, QStringLiteral("a b c "));
    EXPECT_EQ(shown.lines, 1);
    shown = row_text::Shown("a\nb", false, 0);
    EXPECT_EQ(shown.text, kEllipsis);
    EXPECT_EQ(shown.lines, 0);
}

TEST(RowText, FileRowsDropTheirScheme)
{
    const auto shown = row_text::Shown("file:///C:/dir/a.txt\nfile:///C:/b.txt", true, 5);
    EXPECT_EQ(shown.text, QStringLiteral("C:/dir/a.txt\nC:/b.txt") + kEllipsis);
    // A path from the root keeps its leading slash.
    EXPECT_EQ(
        row_text::Shown("file:///home/u/a.txt", true, 5).text, QStringLiteral("/home/u/a.txt "));
    // The scheme is case-sensitive.
    EXPECT_EQ(row_text::Shown("FILE:///x", true, 5).text, QStringLiteral("FILE:///x "));
}

TEST(RowText, HugeTextsCountTheirLinesLikeTheWholeFold)
{
    const std::string long_line(40000, 'x');
    for (const std::string& text : { long_line + "\nsecond", long_line, "a\n" + long_line,
             "a\nb\nc\nd\ne\nf\n" + long_line, std::string("\xe4\xbd\xa0", 3) + long_line }) {
        for (int max : { 1, 5 }) {
            QString whole = QString::fromStdString(text);
            const int lines = FoldText(whole, max);
            const auto shown = row_text::Shown(text, false, max);
            EXPECT_EQ(shown.lines, lines) << text.substr(0, 8) << " " << max;
            EXPECT_TRUE(whole.startsWith(shown.text.left(shown.text.size() - 2)));
            EXPECT_LT(shown.text.size(), 20000);
        }
    }
}

TEST(RowText, ToolTipsGiveDetailsAndKeepTheScheme)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("1.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();

    content_item item;
    item.type = content_file;
    item.text = "file:///C:/dir/a.txt";
    item.content = path.toStdString();
    item.exe_title = "Files";
    const QString tip = row_text::TextToolTip(item);
    const QString modified = row_text::FileTime(QFileInfo(path).lastModified());
    EXPECT_EQ(modified.size(), 19);
    EXPECT_TRUE(tip.startsWith(QStringLiteral("file:///C:/dir/a.txt \n\n字符长度：20\n")));
    EXPECT_TRUE(tip.contains(QStringLiteral("窗口标题：Files\n创建日期：")));
    EXPECT_TRUE(tip.endsWith(QStringLiteral("最后修改：") + modified));

    // A content file that is gone shows empty times.
    item.type = content_image;
    item.content = folder.filePath(QStringLiteral("gone.png")).toStdString();
    EXPECT_EQ(row_text::ImageToolTip(item),
        QStringLiteral("「图片文件」\n\n窗口标题：Files\n创建日期：\n最后修改："));
}

} // namespace
