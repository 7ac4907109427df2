#include "hotkeys/global_hotkey.h"

#include "hotkeys/hotkey_combination.h"
#include "platform/platform.h"

#include <QPointer>

global_hotkey::global_hotkey(const QKeySequence& sequence, bool auto_register, QObject* parent)
    : QObject(parent)
    , sequence_(sequence)
{
    if (auto_register)
        setRegistered(true);
}

global_hotkey::~global_hotkey()
{
    setRegistered(false);
}

bool global_hotkey::setRegistered(bool registered)
{
    if (registered == isRegistered())
        return isRegistered();
    platform::layer& os = platform::Current();
    if (!registered) {
        os.UnregisterHotkey(id_);
        id_ = 0;
        return false;
    }
    const std::optional<hotkey_combination> keys = CombinationOf(sequence_);
    if (!keys)
        return false;
    // The registration ends before this object does; the guard covers a
    // press already queued by the layer.
    QPointer<global_hotkey> self(this);
    id_ = os.RegisterHotkey(keys->modifiers, keys->virtual_key, [self] {
        if (self)
            emit self->activated();
    });
    return isRegistered();
}
