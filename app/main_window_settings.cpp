// The main window's side of the settings window: opening it, and applying
// the edited copy it hands back on closing.
#include "app/main_window.h"

#include "app/autorun.h"
#include "core/program_layout.h"
#include "core/settings_record.h"
#include "widgets/fold_rule.h"
#include "widgets/settings_widget.h"
#include "widgets/switch_button.h"
#include "widgets/window_chrome.h"

settings_widget* main_window::settings_window() const
{
    return settings_widget_;
}

void main_window::OpenSettingWidget()
{
    if (!settings_widget_)
        settings_widget_ = new settings_widget(this, Settings());
    // Opened again while shown (from the tray): the edits so far stay.
    if (settings_widget_->isVisible() && settings_widget_->animation().showing()) {
        settings_widget_->raise();
        settings_widget_->activateWindow();
        return;
    }
    settings_widget_->Load(Settings());
    settings_widget_->ShowPopup();
}

void main_window::ApplyEditedSettings(const settings_record* edited)
{
    if (!edited)
        return;
    const settings_record before = Settings();
    TakeEditedSettings(Settings(), *edited);
    settings_record& now = Settings();
    if (now.small_view != before.small_view || now.auto_fold != before.auto_fold)
        now.folded_now = fold_rule::FoldedAfterSettings(frameGeometry().width(), now.auto_fold);
    chrome_->SetAutoFold(now.auto_fold);
    chrome_->SetFolded(now.folded_now);
    if (now.auto_run != before.auto_run)
        autorun::Apply(platform::Current(), now.auto_run, ProgramLayout());
    RegisterHotkeys();
    SaveSettings(true);
    // The night switch has set the theme already; a copy from elsewhere may not have.
    if (now.dark_mode != before.dark_mode) {
        day_night_button_->setState(now.dark_mode ? 1 : 0);
        ApplyTheme();
    }
    // The index without the trimmed entries is written first, their files after.
    if (now.max_save_count < before.max_save_count)
        history_.TrimToSparingFavourites(now.max_save_count);
    ApplyViewFilter(true);
}
