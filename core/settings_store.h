// Reading and writing the settings record as config.json.
#pragma once

#include "core/settings_record.h"

#include <optional>
#include <QRect>
#include <QString>

namespace settings_store {

// What Save takes from the main window, when there is one.
struct window_state {
    std::optional<QRect> frame; // frameGeometry(), stored as "position"
    std::optional<bool> recording_on; // the recording button's state, stored as start_paster
};

enum class LoadResult { loaded, created, unparsable };

// config.json beside the executable.
QString ConfigPath();

// A missing file is created from the record (Save(true)); an unparsable one
// is renamed to <path>.damaged-<time>, the record stays as it was and is
// written in its place.
LoadResult Load(settings_record& record, const QString& path, const window_state& window);

// Writes the whole record, replacing the file atomically. "flag" is true for
// user-initiated saves and false when written together with the history.
bool Save(settings_record& record, const QString& path, bool flag, const window_state& window);

// x, y, width, height, each followed by a comma: "12,40,700,900,".
std::string PositionString(const QRect& frame);

// Hotkeys still empty after loading, and zero counts, get their defaults.
void FillAtWindowConstruction(settings_record& record);

} // namespace settings_store
