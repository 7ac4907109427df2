#include "actions/key_sequence.h"

#include <Qt>

namespace {

key_step Wait(int ms)
{
    return key_step { 0, false, ms };
}

key_step Down(int vk)
{
    return key_step { vk, true, 0 };
}

key_step Up(int vk)
{
    return key_step { vk, false, 0 };
}

// Ctrl is released before V, as in every paste the program has ever sent.
void AppendCtrlV(key_sequence& keys)
{
    keys.insert(keys.end(),
        { Down(platform::vk::ctrl), Wait(10), Down(platform::vk::v), Wait(150),
            Up(platform::vk::ctrl), Wait(10), Up(platform::vk::v), Wait(10) });
}

} // namespace

key_sequence AutoPasteKeys(bool switch_window, bool auto_return)
{
    using namespace platform;
    key_sequence keys;
    if (switch_window) {
        // Alt is released before Tab, so the switcher commits at once.
        keys.insert(keys.end(),
            { Wait(10), Down(vk::alt), Wait(10), Down(vk::tab), Wait(150), Up(vk::alt), Wait(10),
                Up(vk::tab), Wait(10) });
    }
    // A Shift tap first, after the switch has settled.
    keys.insert(keys.end(), { Wait(150), Down(vk::shift), Wait(10), Up(vk::shift), Wait(10) });
    AppendCtrlV(keys);
    if (auto_return)
        keys.insert(keys.end(), { Down(vk::enter), Wait(10), Up(vk::enter), Wait(10) });
    return keys;
}

key_sequence ReleasePasteKeys(bool auto_paste, bool auto_return)
{
    using namespace platform;
    key_sequence keys;
    if (auto_paste)
        AppendCtrlV(keys);
    if (auto_return)
        keys.insert(keys.end(), { Down(vk::enter), Wait(150), Up(vk::enter), Wait(10) });
    return keys;
}

void PlayKeys(
    const key_sequence& keys, platform::layer& platform, const std::function<void(int ms)>& sleep)
{
    for (const key_step& step : keys) {
        if (step.virtual_key != 0)
            platform.SendKey(step.virtual_key, step.down);
        if (step.wait_ms > 0)
            sleep(step.wait_ms);
    }
}

int VirtualKeyOf(int qt_key)
{
    switch (qt_key) {
    case Qt::Key_Alt:
        return platform::vk::alt;
    case Qt::Key_Tab:
        return platform::vk::tab;
    case Qt::Key_Shift:
        return platform::vk::shift;
    case Qt::Key_Control:
        return platform::vk::ctrl;
    case Qt::Key_V:
        return platform::vk::v;
    case Qt::Key_Return:
        return platform::vk::enter;
    default:
        return 0;
    }
}
