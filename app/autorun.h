// Keeps the session autorun entry in step with the auto_run setting.
#pragma once

#include "core/program_layout.h"
#include "platform/platform.h"

namespace autorun {

// The entry is named by the layout (a portable copy after its folder's base
// name) and runs the layout's program file with "-startup".
void Apply(platform::layer& os, bool auto_run, const program_layout& layout);

} // namespace autorun
