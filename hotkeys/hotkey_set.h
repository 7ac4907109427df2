// The program's fifty global hotkeys, made anew from the settings each time
// they are registered; a press reports its view and slot.
#pragma once

#include "core/settings_record.h"
#include "hotkeys/global_hotkey.h"
#include "hotkeys/hotkey_binding.h"

#include <cstdint>
#include <memory>
#include <QObject>
#include <vector>

class hotkey_set : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Replaces every hotkey (the old ones are released first) and logs each
    // cycling hotkey's text with "true" or "false" for its registration.
    void Register(const settings_record& settings);
    // Gives every key back, for a copy of the program that takes over.
    void Release() { hotkeys_.clear(); }

    const std::vector<hotkey_binding>& bindings() const { return bindings_; }
    // Parallel to bindings(); empty before the first Register.
    bool IsRegistered(std::size_t binding) const;

signals:
    void pressed(std::int64_t view, int slot);

private:
    std::vector<hotkey_binding> bindings_;
    std::vector<std::shared_ptr<global_hotkey>> hotkeys_;
};
