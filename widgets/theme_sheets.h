// The built-in style sheets of the light and dark theme, and the main
// window's sheet read from the file beside the program.
#pragma once

#include <optional>
#include <QString>

namespace theme_sheets {

// The item context menu, its encoding submenu and the language menu.
QString ListMenu(bool dark);
QString TrayMenu(bool dark);
QString CounterLabel(bool dark);

// "dark.qss" or "gray.qss" in folder.
QString ThemeFilePath(const QString& folder, bool dark);
// The file's bytes up to the first zero byte, as Latin-1; nothing when it
// cannot be opened.
std::optional<QString> ReadThemeFile(const QString& path);

} // namespace theme_sheets
