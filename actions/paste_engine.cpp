#include "actions/paste_engine.h"

#include "actions/key_sequence.h"
#include "actions/row_copy.h"
#include "core/settings_record.h"

#include <algorithm>
#include <QClipboard>
#include <QGuiApplication>
#include <utility>

paste_engine::paste_engine(platform::WindowId& target_window, own_clipboard_write& own_write,
    hooks hooks, key_player::waiter wait, QObject* parent)
    : QObject(parent)
    , target_window_(target_window)
    , own_write_(own_write)
    , hooks_(std::move(hooks))
    , player_(wait ? std::move(wait) : [this](int ms, std::function<void()> resume) {
        QTimer::singleShot(ms, this, std::move(resume));
    })
{
    paste_timer.setInterval(paste_interval_ms);
    connect(&paste_timer, &QTimer::timeout, this, [this] { PasteQueueTick(true); });
}

void paste_engine::CopyRowContent(std::int64_t row)
{
    const std::vector<content_item>* view = hooks_.view ? hooks_.view() : nullptr;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!view || !clipboard)
        return;
    const action_report report = ::CopyRowContent(*view, row, reverse_text, *clipboard, own_write_);
    if (!report.empty() && hooks_.report)
        hooks_.report(report);
}

void paste_engine::AutoPasteContent(bool must, bool switch_flag)
{
    const settings_record& settings = Settings();
    if (!settings.auto_paste && !must)
        return;
    SendKeys(AutoPasteKeys(switch_flag, settings.auto_return));
}

void paste_engine::CopyRowLater(std::int64_t row)
{
    player_.Then([this, row, flip = reverse_text] {
        const bool now = std::exchange(reverse_text, flip);
        CopyRowContent(row);
        reverse_text = now;
    });
}

void paste_engine::SendKeys(const key_sequence& keys)
{
    for (const key_step& step : keys)
        player_.Then([this, step] { SendKeyNow(step); }, step.wait_ms);
}

void paste_engine::SendKeyNow(const key_step& step)
{
    if (step.virtual_key == 0)
        return;
    platform::layer& platform = platform::Current();
    // Noted before the key goes out: while the waits run the window takes
    // events, and an echo that came back before it was noted would be taken
    // for the user's key (V pastes again). Keys that go to another window
    // never come back.
    if (hooks_.own_window && platform.ForegroundWindow() == hooks_.own_window())
        sent_keys_.push_back(
            { step.virtual_key, step.down, std::chrono::steady_clock::now() + own_key_echo_time });
    platform.SendKey(step.virtual_key, step.down);
}

bool paste_engine::TakeOwnKeyEcho(int virtual_key, bool down)
{
    // Every key event of the window asks; nearly always nothing was sent.
    if (virtual_key == 0 || sent_keys_.empty())
        return false;
    const auto now = std::chrono::steady_clock::now();
    sent_keys_.erase(std::remove_if(sent_keys_.begin(), sent_keys_.end(),
                         [now](const sent_key& key) { return key.until <= now; }),
        sent_keys_.end());
    const auto found = std::find_if(sent_keys_.begin(), sent_keys_.end(),
        [&](const sent_key& key) { return key.virtual_key == virtual_key && key.down == down; });
    if (found == sent_keys_.end())
        return false;
    sent_keys_.erase(found);
    return true;
}

void paste_engine::EndFinishedRun()
{
    if (paste_queue.empty() && paste_timer.isActive())
        PasteQueueTick(false);
}

std::vector<std::int64_t> paste_engine::SelectedRowsLargestFirst() const
{
    std::vector<std::int64_t> rows
        = hooks_.selected_rows ? hooks_.selected_rows() : std::vector<std::int64_t>();
    std::sort(rows.begin(), rows.end(), std::greater<std::int64_t>());
    return rows;
}

void paste_engine::PasteNowSelectContent()
{
    EndFinishedRun();
    const std::vector<std::int64_t> rows = SelectedRowsLargestFirst();
    if (rows.size() == 1) {
        CopyRowLater(hooks_.current_row ? hooks_.current_row() : -1);
        AutoPasteContent(true, true);
        reverse_text = false;
        return;
    }
    // Taken from the back: the top row goes first.
    paste_queue.insert(paste_queue.end(), rows.begin(), rows.end());
    if (!paste_queue.empty())
        paste_timer.start(paste_interval_ms);
}

void paste_engine::PasteNowReverseSelectContent()
{
    EndFinishedRun();
    const std::vector<std::int64_t> rows = SelectedRowsLargestFirst();
    if (rows.size() == 1) {
        CopyRowLater(hooks_.current_row ? hooks_.current_row() : -1);
        AutoPasteContent(true, true);
        return;
    }
    for (std::int64_t row : rows)
        paste_queue.insert(paste_queue.begin(), row);
    if (!paste_queue.empty())
        paste_timer.start(paste_interval_ms);
}

void paste_engine::FlipPasteSelectContent()
{
    EndFinishedRun();
    reverse_text = true;
    PasteNowSelectContent();
}

void paste_engine::PasteQueueTick(bool proceed)
{
    if (!paste_queue.empty() && proceed) {
        CopyRowLater(paste_queue.back());
        // Only the first row switches windows; later rows go where the focus is then.
        AutoPasteContent(true, paste_count == 0);
        ++paste_count;
        paste_queue.pop_back();
        return;
    }
    paste_queue.clear();
    paste_count = 0;
    paste_timer.stop();
    reverse_text = false;
}

void paste_engine::ItemDoubleClicked(std::int64_t row)
{
    const std::vector<content_item>* view = hooks_.view ? hooks_.view() : nullptr;
    if (!view || row < 0 || row >= static_cast<std::int64_t>(view->size()))
        return;
    if (hooks_.hide_preview)
        hooks_.hide_preview();
    CopyRowLater(row);
    AutoPasteContent(false, true);
}

void paste_engine::BeginHotkeyCycle()
{
    paste_timer.stop();
    PasteQueueTick(false);
    reverse_text = false;
    if (!hotkey_cycling) {
        platform::layer& os = platform::Current();
        target_window_ = os.ForegroundWindow();
        target_focus = target_window_ ? os.FocusedChild(target_window_) : 0;
    }
}

void paste_engine::ArmHotkeyRelease()
{
    hotkey_cycling = true;
    release_timer = std::make_shared<QTimer>();
    connect(release_timer.get(), &QTimer::timeout, this, &paste_engine::PasteOnHotkeyRelease);
    release_timer->start(release_poll_ms);
}

void paste_engine::PasteOnHotkeyRelease()
{
    platform::layer& platform = platform::Current();
    // The Windows key does not hold the paste back.
    if (platform.HeldModifiers()
        & (platform::mod::ctrl | platform::mod::alt | platform::mod::shift))
        return;
    if (hotkey_cycling) {
        const settings_record& settings = Settings();
        player_.Then([target = target_window_] { platform::Current().BringToFront(target); }, 100);
        SendKeys(ReleasePasteKeys(settings.auto_paste, settings.auto_return));
        hotkey_cycling = false;
        if (settings.auto_hide_window && hooks_.hide_window)
            player_.Then(hooks_.hide_window);
    }
    if (release_timer)
        release_timer->stop();
}
