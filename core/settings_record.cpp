#include "core/settings_record.h"

settings_record& Settings()
{
    static auto* record = new settings_record; // kept until exit, read during shutdown
    return *record;
}
