#include "actions/flip_text.h"

QString FlipText(const QString& text)
{
    QString flipped;
    flipped.reserve(text.size());
    for (int i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
            && text.at(i + 1).isLowSurrogate();
        const int length = pair ? 2 : 1;
        flipped.prepend(text.mid(i, length));
        i += length;
    }
    return flipped;
}
