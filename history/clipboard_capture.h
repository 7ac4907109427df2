// Turns one clipboard change into a history entry: classifies it, writes the
// source program's icon and hands the content to the history, which writes
// its file, drops older equal entries and inserts the new one at the top.
#pragma once

#include "history/clipboard_snapshot.h"
#include "history/content_history.h"
#include "history/today_counter.h"
#include "platform/platform.h"

class clipboard_capture {
public:
    enum class outcome { nothing, secret, text, file_list, image, image_file, kept_favourite };

    explicit clipboard_capture(content_history& history);

    // The capture proper, after the paused check: counts the change, then
    // records it. target is the window that was in front.
    outcome Capture(const clipboard_snapshot& clipboard, platform::WindowId target);

    // The picture of the last image entry: its new file, or for a copied
    // image file that file itself.
    const QString& last_image() const { return last_image_; }

    // Runs then once the entries captured so far are on disk and listed.
    void AfterLanding(std::function<void()> then) { history_.AfterWrites(std::move(then)); }

    const today_counter& today() const { return today_; }
    today_counter& today() { return today_; }

private:
    outcome CaptureImage(const clipboard_snapshot& clipboard, platform::WindowId target);
    outcome CaptureText(const clipboard_snapshot& clipboard, platform::WindowId target);

    content_history& history_;
    today_counter today_;
    QString last_image_;
};

// The window's title, for exe_title.
std::string SourceTitle(platform::WindowId window);
// The small icon of the window's program as PNG at path; path when the file
// is there, else empty.
QString SaveSourceIcon(platform::WindowId window, const QString& path);
