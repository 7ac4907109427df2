#include "hotkeys/hotkey_edits.h"

#include <Qt>

namespace {

constexpr std::size_t kTypes = 5;

std::vector<std::string> FiveTexts(std::vector<std::string> texts)
{
    texts.resize(kTypes);
    return texts;
}

} // namespace

hotkey_edits::hotkey_edits(std::vector<std::string> cycling, std::vector<std::string> fixed_slot)
    : cycling_(FiveTexts(std::move(cycling)))
    , fixed_slot_(FiveTexts(std::move(fixed_slot)))
    , key_label_(cycling_[0])
{
}

std::string hotkey_edits::Capture(int qt_key, int qt_modifiers)
{
    static const struct {
        int modifier;
        const char* name;
    } kOrder[] = {
        { Qt::AltModifier, "Alt+" },
        { Qt::ControlModifier, "Ctrl+" },
        { Qt::ShiftModifier, "Shift+" },
        { Qt::MetaModifier, "Win+" },
    };
    std::string text;
    modifier_count_ = 0;
    for (const auto& m : kOrder) {
        if (qt_modifiers & m.modifier) {
            ++modifier_count_;
            text += m.name;
        }
    }
    // Qt's codes of digits and letters are their ASCII codes; every other
    // key (F5, the modifiers themselves) leaves the prefix alone.
    if ((qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9)
        || (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z))
        text += static_cast<char>(qt_key);
    key_label_ = text;
    last_capture_page_ = page_;
    if (page_ == fixed_slot_page) {
        text += "1~9";
        fixed_slot_[type_] = text;
    } else {
        cycling_[type_] = text;
    }
    return text;
}

bool hotkey_edits::ChooseType(std::int64_t view)
{
    // View codes to settings order.
    static const std::int64_t kIndexOfView[] = { 1, 2, 3, 0, 4 };
    if (view < 0 || view >= static_cast<std::int64_t>(kTypes))
        return false;
    const std::size_t index = static_cast<std::size_t>(kIndexOfView[view]);
    if (index == type_)
        return false;
    type_ = index;
    key_label_ = cycling_[type_];
    return true;
}

bool hotkey_edits::Close()
{
    if (last_capture_page_ == cycling_page)
        cycling_[type_] = key_label_;
    return modifier_count_ > 0;
}

const std::string& hotkey_edits::PageText(page p) const
{
    return p == fixed_slot_page ? fixed_slot_[type_] : cycling_[type_];
}
