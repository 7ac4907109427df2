#include "core/log_categories.h"

Q_LOGGING_CATEGORY(log_capture, "quillbox.capture", QtWarningMsg)
Q_LOGGING_CATEGORY(log_files, "quillbox.files", QtWarningMsg)
Q_LOGGING_CATEGORY(log_history, "quillbox.history", QtWarningMsg)
Q_LOGGING_CATEGORY(log_hotkeys, "quillbox.hotkeys", QtWarningMsg)
Q_LOGGING_CATEGORY(log_settings, "quillbox.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(log_shell, "quillbox.shell", QtWarningMsg)
Q_LOGGING_CATEGORY(log_sync, "quillbox.sync", QtWarningMsg)
Q_LOGGING_CATEGORY(log_ui, "quillbox.ui", QtWarningMsg)
