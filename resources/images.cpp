#include "resources/images.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must not be used inside a namespace.
static void InitImageResource()
{
    Q_INIT_RESOURCE(images);
}

namespace images {

void Init()
{
    static const bool done = (InitImageResource(), true);
    (void)done;
}

} // namespace images
