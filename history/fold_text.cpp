#include "history/fold_text.h"

namespace {

bool IsBlank(const QString& text, int from, int to)
{
    for (int i = from; i < to; ++i) {
        switch (text.at(i).unicode()) {
        case '\t':
        case '\n':
        case '\v':
        case '\f':
        case '\r':
        case ' ':
            break;
        default:
            return false;
        }
    }
    return true;
}

} // namespace

int FoldText(QString& text, int max_lines)
{
    // The last line (after the last line feed) is never taken for blank.
    int start = 0;
    for (int feed = text.indexOf(QLatin1Char('\n')); feed >= 0 && IsBlank(text, start, feed);
         feed = text.indexOf(QLatin1Char('\n'), start))
        start = feed + 1;
    text.remove(0, start);
    text += QLatin1Char('\n');

    if (max_lines < 1) {
        text = QStringLiteral(" \u2026");
        return 0;
    }
    int count = 0;
    int last = -1;
    for (int feed = text.indexOf(QLatin1Char('\n')); feed >= 0;
         feed = text.indexOf(QLatin1Char('\n'), feed + 1)) {
        ++count;
        last = feed;
        if (feed + 1 >= text.size() - 1 || count == max_lines)
            break;
    }
    if (count == 1) {
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return 1;
    }
    text.truncate(last);
    text += QStringLiteral(" \u2026");
    return count;
}
