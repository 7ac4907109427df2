// The main window's global hotkeys and the search box's list keys. What is
// registered, which row a press selects and where the window goes are
// decided in hotkeys/; this file applies the answers to the window.
#include "app/main_window.h"

#include "core/log_categories.h"
#include "core/settings_record.h"
#include "history/history_list.h"
#include "hotkeys/full_screen_check.h"
#include "hotkeys/hotkey_press.h"
#include "hotkeys/window_beside_cursor.h"
#include "widgets/image_tab_widget.h"
#include "widgets/search_keys.h"

#include <QCursor>
#include <QDebug>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

void main_window::RegisterHotkeys()
{
    // Hotkeys registered before stay; a press checks the setting again.
    if (!Settings().enable_hotkey)
        return;
    hotkeys_.Register(Settings());
}

void main_window::HotkeyPressed(std::int64_t view, int slot)
{
    if (!Settings().enable_hotkey)
        return;
    // Decided at the press, not by a timer: nothing wakes while idle, and
    // the answer is as fresh as a poll would give.
    if (Settings().full_screen_disable && FullScreenWindowShown(platform::Current())) {
        qCDebug(log_hotkeys) << "hotkey ignored: a full-screen window is shown";
        return;
    }
    qCDebug(log_hotkeys) << "hotkey pressed: view" << view << "slot" << slot;
    // Aborts a multi-row paste; the first press of a cycle remembers the
    // window to paste into.
    paste_.BeginHotkeyCycle();
    ShowForHotkey();

    const std::int64_t previous = Settings().show_content_type;
    Settings().show_content_type = view;
    if (previous != view) {
        tab_strip_->selectValue(view);
        ApplyViewFilter(true);
        if (list_->count() > 0)
            list_->setCurrentRow(0);
    }
    const std::int64_t row = RowForPress({ previous, view, slot, list_->currentRow(),
        static_cast<std::int64_t>(history_.records.size()), list_->count(),
        Settings().loop_count });
    if (row < 0)
        return;
    list_->setCurrentRow(static_cast<int>(row));
    paste_.CopyRowContent(row);

    const QPoint cursor = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        move(WindowBesideCursor(cursor, frameGeometry().size(), screen->availableGeometry()));
    if (shown_.view() && !shown_.view()->empty())
        paste_.ArmHotkeyRelease();
}

void main_window::ShowForHotkey()
{
    // A hiding slide still under way would hide the window after the press.
    if (animation_timer_ && animation_timer_->isActive())
        animation_timer_->stop();
    slid_away_ = false;
    showNormal();
    setWindowState(Qt::WindowActive);
    setWindowOpacity(1.0);
    raise();
}

void main_window::ConnectSearchKeys()
{
    auto* keys = new search_keys(search_box_);
    connect(keys, &search_keys::stepped, this, [this](int rows) {
        const int row = SteppedRow(list_->currentRow(), rows, list_->count());
        if (row >= 0)
            list_->setCurrentRow(row);
    });
    connect(keys, &search_keys::accepted, this, [this] {
        // The Enter of a paste whose switch back stayed in this window.
        if (paste_.TakeOwnKeyEcho(platform::vk::enter, true))
            return;
        paste_.ItemDoubleClicked(list_->currentRow());
    });
}
