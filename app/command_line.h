// The options that answer and exit before anything else starts: no display,
// no single-instance endpoint, no settings.
#pragma once

#include <string>

namespace command_line {

enum class request { run, help, version };

// --help/-h and --version/-v anywhere on the line; everything else (-startup,
// show_window, Qt's own options) is left to the program.
request Parse(int argc, const char* const* argv);

std::string HelpText();
std::string VersionText();

} // namespace command_line
