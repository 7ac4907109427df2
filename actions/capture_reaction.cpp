#include "actions/capture_reaction.h"

#include "actions/copy_shortcuts.h"
#include "actions/web_search.h"
#include "core/log_categories.h"
#include "core/settings_record.h"
#include "history/clipboard_snapshot.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QTimer>
#include <QUrl>

capture_reaction::capture_reaction(clipboard_capture& capture, platform::WindowId& target_window,
    std::function<bool()> paste_running, QObject* parent)
    : QObject(parent)
    , capture_(capture)
    , target_window_(target_window)
    , paste_running_(std::move(paste_running))
{
}

bool capture_reaction::AcceptChange()
{
    const bool running = paste_running_ && paste_running_();
    if (!own_write_.Take() && !running)
        return true;
    return false;
}

void capture_reaction::ClipboardChanged()
{
    if (!AcceptChange())
        return;
    ++pending_;
    QTimer::singleShot(50, this, [this] {
        if (pending_ == 0)
            return; // taken by CapturePending
        --pending_;
        CaptureNow();
    });
}

void capture_reaction::CapturePending()
{
    if (pending_ == 0)
        return;
    // One capture reads the clipboard as it is now, for all of them.
    pending_ = 0;
    CaptureNow();
}

void capture_reaction::CaptureNow()
{
    target_window_ = platform::Current().ForegroundWindow();
    if (!Settings().start_paster)
        return; // paused: the change is lost, not queued
    own_write_.Mark();
    const clipboard_snapshot clipboard = ReadClipboard(QGuiApplication::clipboard()->mimeData());
    const clipboard_capture::outcome outcome = capture_.Capture(clipboard, target_window_);
    // A kind the settings leave out, or nothing to keep: worth a word when
    // a user wonders where a copy went.
    if (outcome == clipboard_capture::outcome::nothing)
        qCDebug(log_capture) << "clipboard change not recorded";
    emit captured();
    own_write_.Take();
    RunCopyShortcuts(outcome, clipboard.text);
}

void capture_reaction::RunCopyShortcuts(clipboard_capture::outcome outcome, const QString& text)
{
    // The query asks the window system; most captures need not wait for it.
    const settings_record& settings = Settings();
    if (!settings.even_preview && !settings.even_search)
        return;
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    const copy_shortcuts wanted = CopyShortcutsFor(outcome, held & Qt::ShiftModifier,
        held & Qt::ControlModifier, settings.even_preview, settings.even_search);
    if (wanted.pin_text)
        emit pinText(text);
    if (wanted.web_search)
        QDesktopServices::openUrl(WebSearchUrl(text, settings.search_path));
    if (wanted.open_files)
        QDesktopServices::openUrl(QUrl(text, QUrl::TolerantMode));
    // The picture is shown from its file, which the history writes first.
    if (wanted.pin_image)
        capture_.AfterLanding([this, path = capture_.last_image()] { emit pinImage(path); });
}
