// Whether an entry's text matches what is typed in the search box: a plain
// byte-substring test, then the typed text as a pattern that needs one
// character before it.
#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <string>

class search_matcher {
public:
    // The pattern is compiled here, once for every entry the search looks at.
    explicit search_matcher(const QString& text);

    bool empty() const { return bytes_.isEmpty(); }
    bool Matches(const std::string& text) const;

private:
    QByteArray bytes_;
    QRegularExpression pattern_;
    bool pattern_valid_ = false;
};
