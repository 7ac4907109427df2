#include "history/row_text.h"

#include "history/fold_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

namespace row_text {

namespace {

// Far more than a row can show, little enough to fold on every rebuild.
constexpr size_t kShownPrefixBytes = 16 * 1024;

bool IsBlankByte(char c)
{
    return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' ';
}

// Start of the first line that is not blank, as FoldText finds it; the
// bytes it tests are all ASCII, so bytes and characters agree.
size_t FirstShownLine(const std::string& text)
{
    size_t start = 0;
    for (size_t feed = text.find('\n'); feed != std::string::npos; feed = text.find('\n', start)) {
        for (size_t i = start; i < feed; ++i) {
            if (!IsBlankByte(text[i]))
                return start;
        }
        start = feed + 1;
    }
    return start;
}

// The line count FoldText gives for the whole text from start.
int FoldedLines(const std::string& text, size_t start, int max_lines)
{
    if (max_lines < 1)
        return 0;
    // With the line feed FoldText appends, the text ends at index end.
    const size_t end = text.size() - start;
    int count = 0;
    for (size_t from = start;;) {
        const size_t found = text.find('\n', from);
        const size_t feed = found == std::string::npos ? end : found - start;
        ++count;
        if (feed + 1 >= end || count == max_lines)
            return count;
        from = start + feed + 1;
    }
}

// "file:///C:/dir" shows as "C:/dir"; a path from the root keeps its
// slash, "file:///home/u" shows as "/home/u".
void DropFileScheme(QString& text)
{
    static const QString scheme = QStringLiteral("file:///");
    for (int at = text.indexOf(scheme); at >= 0; at = text.indexOf(scheme, at)) {
        const int next = at + scheme.size();
        const bool drive = next + 1 < text.size() && text.at(next).isLetter()
            && text.at(next + 1) == QLatin1Char(':');
        text.replace(at, scheme.size(), drive ? QString() : QStringLiteral("/"));
        at += drive ? 0 : 1;
    }
}

QString Details(const content_item& item, const QString& path)
{
    const QFileInfo info(path);
    return QCoreApplication::translate("main_window", "窗口标题：")
        + QString::fromStdString(item.exe_title) + QLatin1Char('\n')
        + QCoreApplication::translate("main_window", "创建日期：")
        + FileTime(info.birthTime().isValid() ? info.birthTime() : info.metadataChangeTime())
        + QLatin1Char('\n') + QCoreApplication::translate("main_window", "最后修改：")
        + FileTime(info.lastModified());
}

} // namespace

shown_text Shown(const std::string& text, bool file_row, int max_lines)
{
    const size_t start = FirstShownLine(text);
    size_t length = text.size() - start;
    if (length > kShownPrefixBytes) {
        length = kShownPrefixBytes;
        // Never cut a UTF-8 sequence.
        while (length > 0 && (static_cast<unsigned char>(text[start + length]) & 0xC0) == 0x80)
            --length;
    }
    shown_text shown;
    shown.text = QString::fromUtf8(text.data() + start, static_cast<int>(length));
    const int lines = FoldText(shown.text, max_lines);
    shown.lines = length == text.size() - start ? lines : FoldedLines(text, start, max_lines);
    if (file_row)
        DropFileScheme(shown.text);
    return shown;
}

QString ImageToolTip(const content_item& item)
{
    return QCoreApplication::translate("main_window", "「图片文件」") + QStringLiteral("\n\n")
        + Details(item, QString::fromStdString(item.content));
}

QString TextToolTip(const content_item& item)
{
    const QString text = QString::fromStdString(item.text);
    QString folded = text;
    FoldText(folded, 30);
    // The entry's own length in characters, not that of its folded form
    // with the fold's marks (an emoji is one character).
    return folded + QStringLiteral("\n\n")
        + QCoreApplication::translate("main_window", "字符长度：")
        + QString::number(text.toUcs4().size()) + QLatin1Char('\n')
        + Details(item, QString::fromStdString(item.content));
}

QString FileTime(const QDateTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : QString();
}

} // namespace row_text
