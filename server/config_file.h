// The optional configuration file of quillbox-syncd: the command-line options
// without their leading "--", one per line ("listen 0.0.0.0:22345", "data = /var/lib/x",
// a flag alone: "log-heartbeats"); blank lines and lines starting with # are skipped.
#pragma once

#include <string>
#include <vector>

namespace syncd {

// The file's lines as command-line arguments; false with error naming the line when a
// line is not an option the file may hold (the operator commands and --help are not).
bool config_file_arguments(
    const std::string& text, std::vector<std::string>& args, std::string& error);

// The arguments the server runs with: the configuration file's first, then the command
// line's, so the command line wins. "--config FILE" names the file; without it the file
// at default_path is read when it exists. A file that is there but cannot be read is an
// error, not a silent start on defaults.
bool gather_arguments(const std::vector<std::string>& command_line, const std::string& default_path,
    std::vector<std::string>& args, std::string& error);

} // namespace syncd
