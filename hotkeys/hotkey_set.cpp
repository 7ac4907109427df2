#include "hotkeys/hotkey_set.h"

#include "core/log_categories.h"
#include "hotkeys/hotkey_combination.h"

#include <QDebug>

void hotkey_set::Register(const settings_record& settings)
{
    // Released before the new ones register: a binding that keeps its keys
    // would otherwise find them taken by its own old object.
    hotkeys_.clear();
    bindings_ = HotkeyBindings(settings);
    for (const hotkey_binding& binding : bindings_) {
        auto hotkey = std::make_shared<global_hotkey>(HotkeySequence(binding.text));
        connect(hotkey.get(), &global_hotkey::activated, this,
            [this, view = binding.view, slot = binding.slot] { emit pressed(view, slot); });
        // Taken by another program: said always, as the user must pick other keys.
        if (binding.slot < 0 && hotkey->isRegistered())
            qCDebug(log_hotkeys).noquote()
                << "hotkey" << QString::fromStdString(binding.text) << "true";
        else if (binding.slot < 0)
            qCWarning(log_hotkeys).noquote()
                << "hotkey" << QString::fromStdString(binding.text) << "false";
        hotkeys_.push_back(std::move(hotkey));
    }
}

bool hotkey_set::IsRegistered(std::size_t binding) const
{
    return binding < hotkeys_.size() && hotkeys_[binding]->isRegistered();
}
