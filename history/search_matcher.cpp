#include "history/search_matcher.h"

#include <string_view>

search_matcher::search_matcher(const QString& text)
    : bytes_(text.toUtf8())
{
    if (bytes_.isEmpty())
        return;
    pattern_.setPattern(QLatin1Char('.') + text);
    // An invalid pattern (an unbalanced bracket half-typed) finds nothing by
    // itself; the plain test still runs.
    pattern_valid_ = pattern_.isValid();
    if (pattern_valid_)
        pattern_.optimize();
}

bool search_matcher::Matches(const std::string& text) const
{
    if (bytes_.isEmpty())
        return true;
    const std::string_view needle(bytes_.constData(), static_cast<size_t>(bytes_.size()));
    if (std::string_view(text).find(needle) != std::string_view::npos)
        return true;
    if (!pattern_valid_)
        return false;
    return pattern_.match(QString::fromStdString(text)).hasMatch();
}
