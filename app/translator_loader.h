// The interface language of the process, chosen once at start-up from
// config.json: the program's catalogue and Qt's own (standard dialogs, the
// line edits' context menus).
#pragma once

#include <QString>

namespace translator_loader {

struct outcome {
    // config.json did not parse: nothing is installed and the interface
    // shows its source texts.
    bool untranslated = false;
    int code = 1;
    bool program_loaded = false;
    bool qt_loaded = false;
};

// Runs before the settings are loaded. A missing file or key gives simplified
// Chinese. Replaces what an earlier call installed.
outcome LoadTranslator(const QString& config_path);

} // namespace translator_loader
