#include "app/command_line.h"

#include <cstring>

namespace command_line {

request Parse(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h"))
            return request::help;
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v"))
            return request::version;
    }
    return request::run;
}

std::string HelpText()
{
    return "Usage: quillbox [-startup | show_window]\n"
           "A clipboard-history manager: records what you copy and pastes it back.\n"
           "Only one copy runs per user; starting it again shows the running copy's window.\n"
           "\n"
           "  -startup       as started by the autostart entry (no fade-in)\n"
           "  show_window    as started by a restart\n"
           "  -h, --help     show this text and exit\n"
           "  -v, --version  show the version and exit\n"
           "\n"
           "Files: a copy in a folder of its own that you can write keeps config.json and\n"
           "content/ beside itself. An installed copy keeps config.json, user.json and\n"
           "server.json in $XDG_CONFIG_HOME/quillbox, the history in\n"
           "$XDG_DATA_HOME/quillbox/content, and reads its style sheets and images from\n"
           "<prefix>/share/quillbox.\n"
           "\n"
           "Diagnostics: warnings go to standard error; debug lines are off unless asked for,\n"
           "for example QT_LOGGING_RULES='quillbox.*.debug=true' (categories quillbox.capture,\n"
           "quillbox.files, quillbox.history, quillbox.hotkeys, quillbox.settings,\n"
           "quillbox.shell, quillbox.sync, quillbox.ui).\n";
}

std::string VersionText()
{
    return "quillbox " QUILLBOX_VERSION "\n";
}

} // namespace command_line
