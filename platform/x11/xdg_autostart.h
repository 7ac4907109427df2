// Session autostart through an XDG autostart entry,
// $XDG_CONFIG_HOME/autostart/<name>.desktop.
#pragma once

#include <optional>
#include <string>

namespace platform {

class xdg_autostart {
public:
    // The autostart folder; empty when neither XDG_CONFIG_HOME nor HOME is set.
    static std::string Folder();
    static std::string EntryPath(const std::string& name);

    // The Exec value of the entry, as written in the file.
    static std::optional<std::string> Read(const std::string& name);
    // Writes the entry atomically. False for names or paths that cannot be
    // expressed safely (separators in the name, control characters).
    static bool Write(
        const std::string& name, const std::string& program, const std::string& argument);
    static bool Remove(const std::string& name);

    // The Exec value that runs program with one argument: the program quoted,
    // then a blank and the argument, escaped as desktop entries require.
    static std::string ExecLine(const std::string& program, const std::string& argument);
};

} // namespace platform
