#include "hotkeys/hotkey_set.h"

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
        if (binding.slot < 0)
            qDebug().noquote() << "hotkey" << QString::fromStdString(binding.text)
                               << (hotkey->isRegistered() ? "true" : "false");
        hotkeys_.push_back(std::move(hotkey));
    }
}

bool hotkey_set::IsRegistered(std::size_t binding) const
{
    return binding < hotkeys_.size() && hotkeys_[binding]->isRegistered();
}
