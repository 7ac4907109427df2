// Keeps the session autorun entry in step with the auto_run setting.
#pragma once

#include "platform/platform.h"

#include <QString>

namespace autorun {

// The entry is named after the base name of the program's folder and runs the
// program file there with "-startup".
void Apply(platform::layer& os, bool auto_run, const QString& program_folder);

} // namespace autorun
