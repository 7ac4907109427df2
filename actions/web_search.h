// The web search that Ctrl+Shift starts for a copied text.
#pragma once

#include <cstdint>
#include <QString>
#include <QUrl>

// search_path 1: Google, anything else: Baidu. The text goes in as it is
// and the address is parsed tolerantly.
QUrl WebSearchUrl(const QString& text, std::int64_t search_path);
