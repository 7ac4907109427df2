// The program's logging categories: debug lines are off unless QT_LOGGING_RULES
// turns them on ("quillbox.capture.debug=true"); warnings always print.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(log_capture) // quillbox.capture: clipboard changes taken
Q_DECLARE_LOGGING_CATEGORY(log_files) // quillbox.files: atomic writes
Q_DECLARE_LOGGING_CATEGORY(log_history) // quillbox.history: content.json and entry files
Q_DECLARE_LOGGING_CATEGORY(log_hotkeys) // quillbox.hotkeys: registration and presses
Q_DECLARE_LOGGING_CATEGORY(log_settings) // quillbox.settings: config.json
Q_DECLARE_LOGGING_CATEGORY(log_shell) // quillbox.shell: start-up, single instance, restart
Q_DECLARE_LOGGING_CATEGORY(log_sync) // quillbox.sync: what the sync server sent
Q_DECLARE_LOGGING_CATEGORY(log_ui) // quillbox.ui: windows, style sheets, notices
