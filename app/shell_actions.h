// The program-wide exits: restart into a new copy, and the update prompt's two
// answers.
#pragma once

#include <functional>
#include <QStringList>

namespace shell_actions {

// The command line as given, before the application object takes out Qt's
// own options; main() records it first thing.
void RememberLaunchArguments(int argc, char** argv);

// What a restarted copy gets: the launch arguments (Qt's options such as
// -display stay, so the new copy comes up where this one runs) without the
// program's own start words, then "show_window".
QStringList RestartArguments(const QStringList& launch_arguments);

// Ends the event loop, gives up the instance endpoint so the new copy does
// not take this one for the running copy, and starts the program file again
// with the restart arguments; the environment is passed on unchanged.
// save_history runs first.
void Restart(const std::function<void()>& save_history);

// Opens the download page, then ends the process at once (no saving).
void OpenDownloadPageAndExit();

// Ends the process at once with status 0 (no saving).
void ExitNow();

} // namespace shell_actions
