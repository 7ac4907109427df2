// Shortening a text to its first lines, as the list and capture show it.
#pragma once

#include <QString>

// Drops leading blank lines, keeps at most max_lines lines and marks a cut
// with " …"; a one-line result has its line feeds turned into blanks.
// Returns the number of lines kept.
int FoldText(QString& text, int max_lines);
