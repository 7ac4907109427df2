// Puts history entries back on the clipboard and pastes them into the window
// the user worked in: one row at once, several rows one per 800 ms tick, or
// on the release of a cycling hotkey's modifiers. The main window owns it
// and answers its questions through hooks; everything runs on the GUI
// thread, the waits between keys on timers.
#pragma once

#include "actions/action_report.h"
#include "actions/key_player.h"
#include "actions/key_sequence.h"
#include "history/content_item.h"
#include "history/own_clipboard_write.h"
#include "platform/platform.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <QObject>
#include <QTimer>
#include <vector>

class paste_engine : public QObject {
    Q_OBJECT
public:
    struct hooks {
        // The list as shown (row N is element N); may return null.
        std::function<const std::vector<content_item>*()> view;
        // Rows of the selected indexes, in any order.
        std::function<std::vector<std::int64_t>()> selected_rows;
        // The list's current row, -1 when none.
        std::function<std::int64_t()> current_row;
        // Status line and notice of a copy.
        std::function<void(const action_report&)> report;
        // The main window, after a hotkey-release paste with auto_hide_window.
        std::function<void()> hide_window;
        // The hover image preview, before a double-click paste.
        std::function<void()> hide_preview;
        // The main window's native id.
        std::function<platform::WindowId()> own_window;
    };
    // target_window is the main window's: capture overwrites it too. Every
    // clipboard write is marked in own_write first. wait defaults to a
    // single-shot timer of the engine.
    paste_engine(platform::WindowId& target_window, own_clipboard_write& own_write, hooks hooks,
        key_player::waiter wait = {}, QObject* parent = nullptr);

    // The next text copy flips the text.
    bool reverse_text = false;
    // Rows still to paste, taken from the back.
    std::vector<std::int64_t> paste_queue;
    std::int64_t paste_count = 0;
    QTimer paste_timer;
    bool hotkey_cycling = false;
    // The focused child of the target window at the first press of a cycle.
    platform::WindowId target_focus = 0;
    // Made anew on each arming; replacing it ends the previous one.
    std::shared_ptr<QTimer> release_timer;

    static constexpr int paste_interval_ms = 800;
    static constexpr int release_poll_ms = 100;

    // The entry of a list row onto the clipboard, reported through the hook.
    void CopyRowContent(std::int64_t row);

    // A multi-row paste is under way: nothing is captured meanwhile.
    bool Running() const { return !paste_queue.empty(); }

    // A cycling hotkey was pressed: abort a multi-row paste, forget a flip,
    // and remember the window in front unless a cycle already did.
    void BeginHotkeyCycle();
    // The hotkey chose and copied its entry: paste when the modifiers are released.
    void ArmHotkeyRelease();

    // Runs then once the keys of a paste are out (at once when none are):
    // keys typed meanwhile would carry the Ctrl the paste holds down.
    void AfterKeys(std::function<void()> then) { player_.Then(std::move(then)); }

    // When the switch back did not leave our own window, the keys we sent
    // arrive there and must not be taken for the user's (Enter and V would
    // paste again, and again). True, once, for a key event that matches one
    // sent into our window in the last own_key_echo_time.
    bool TakeOwnKeyEcho(int virtual_key, bool down);
    static constexpr std::chrono::milliseconds own_key_echo_time { 1000 };

public slots:
    void AutoPasteContent(bool must = false, bool switch_flag = true);
    void PasteNowSelectContent();
    void PasteNowReverseSelectContent();
    // Flip paste: the selected text rows reversed.
    void FlipPasteSelectContent();
    void PasteQueueTick(bool proceed);
    void ItemDoubleClicked(std::int64_t row);
    void PasteOnHotkeyRelease();

private:
    std::vector<std::int64_t> SelectedRowsLargestFirst() const;
    // Every row of the last run is out and only its closing tick is due:
    // the run is over, and a new paste starts afresh (with the switch back
    // and without a flip left over).
    void EndFinishedRun();
    // Queued behind keys still playing, so that a paste never sends Ctrl+V
    // for the entry of the paste after it.
    void CopyRowLater(std::int64_t row);
    void SendKeys(const key_sequence& keys);
    void SendKeyNow(const key_step& step);

    platform::WindowId& target_window_;
    own_clipboard_write& own_write_;
    hooks hooks_;
    struct sent_key {
        int virtual_key;
        bool down;
        std::chrono::steady_clock::time_point until;
    };
    std::vector<sent_key> sent_keys_;
    key_player player_;
};
