#include "resources/translations.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must not be used inside a namespace.
static void InitTranslationResource()
{
    Q_INIT_RESOURCE(translations);
}

namespace translations {

void Init()
{
    static const bool done = (InitTranslationResource(), true);
    (void)done;
}

} // namespace translations
