#include "actions/web_search.h"

QUrl WebSearchUrl(const QString& text, std::int64_t search_path)
{
    if (search_path == 1)
        return QUrl(QStringLiteral("https://www.google.com/search?q=") + text, QUrl::TolerantMode);
    return QUrl(QStringLiteral("https://www.baidu.com/s?wd=%1").arg(text), QUrl::TolerantMode);
}
