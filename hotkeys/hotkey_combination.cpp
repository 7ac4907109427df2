#include "hotkeys/hotkey_combination.h"

#include "platform/platform.h"

#include <QString>

QKeySequence HotkeySequence(const std::string& text)
{
    return QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
}

std::optional<hotkey_combination> CombinationOf(const QKeySequence& sequence)
{
    if (sequence.isEmpty())
        return std::nullopt;
    const int combined = sequence[0];
    const int key = combined & ~Qt::KeyboardModifierMask;
    hotkey_combination result;
    // Qt's codes of letters and digits are the upper-case ASCII codes, as the
    // virtual-key codes are.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        result.virtual_key = key;
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        result.virtual_key = platform::vk::f1 + (key - Qt::Key_F1);
    else
        return std::nullopt;
    if (combined & Qt::ShiftModifier)
        result.modifiers |= platform::mod::shift;
    if (combined & Qt::ControlModifier)
        result.modifiers |= platform::mod::ctrl;
    if (combined & Qt::AltModifier)
        result.modifiers |= platform::mod::alt;
    if (combined & Qt::MetaModifier)
        result.modifiers |= platform::mod::meta;
    return result;
}
