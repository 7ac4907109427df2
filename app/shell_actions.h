// The program-wide exits: restart into a new copy, and the update prompt's two
// answers.
#pragma once

#include <functional>

namespace shell_actions {

// Ends the event loop, gives up the instance endpoint so the new copy does
// not take this one for the running copy, and starts the program file again
// with "show_window". save_history runs first.
void Restart(const std::function<void()>& save_history);

// Opens the download page, then ends the process at once (no saving).
void OpenDownloadPageAndExit();

// Ends the process at once with status 0 (no saving).
void ExitNow();

} // namespace shell_actions
