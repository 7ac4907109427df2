// The flip paste's text: the characters in reverse order.
#pragma once

#include <QString>

// Reverses by code point, so a surrogate pair (an emoji, say) stays one
// character instead of turning into two unpaired halves.
QString FlipText(const QString& text);
