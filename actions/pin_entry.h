// "钉住" for one history entry: a picture or a text pinned on screen.
#pragma once

#include "history/content_item.h"

class QWidget;

// The pinned window made for entry, shown over anchor; null for a file
// entry, which has nothing to pin. A text is read from its content file.
QWidget* PinEntry(QWidget* anchor, const content_item& entry);
