// The program's one permanent window: owner of the history list, the tray
// icon, the timers and the two bus handlers.
#pragma once

#include "actions/capture_reaction.h"
#include "actions/list_menu_entries.h"
#include "actions/paste_engine.h"
#include "app/bubble_decoration.h"
#include "app/title_drag.h"
#include "app/window_animation.h"
#include "core/message_bus.h"
#include "core/settings_store.h"
#include "history/clipboard_capture.h"
#include "history/content_history.h"
#include "history/list_state.h"
#include "hotkeys/hotkey_set.h"
#include "platform/platform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <vector>

class history_list;
class hover_preview;
class list_context_menu;
class login_widget;
class prompt_widget;
class settings_widget;
class image_tab_widget;
class language_menu;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSystemTrayIcon;
class QTimer;
class switch_button;
class window_chrome;

class main_window : public QMainWindow {
    Q_OBJECT
public:
    explicit main_window(QWidget* parent = nullptr);
    ~main_window() override;

    void ShowMainWindow();
    // Writes config.json; flag as stored in the file.
    void SaveSettings(bool flag);
    // Filters the stored entries again for the type tab, favourites order and
    // search text; rebuild also shows the filtered rows and redraws.
    void ApplyViewFilter(bool rebuild);
    // Index and config.json both written before returning (quit, restart).
    void SaveHistoryNow();

    content_history& history() { return history_; }
    const list_state& shown() const { return shown_; }
    history_list* list() const { return list_; }
    paste_engine& paste() { return paste_; }
    bool HoverTicking() const;
    QLineEdit* search_box() const { return search_box_; }
    image_tab_widget* tab_strip() const { return tab_strip_; }
    window_chrome* chrome() const { return chrome_; }
    // Made on first use.
    settings_widget* settings_window() const;
    // The selection status line.
    QString StatusLine() const;

public slots:
    void SystemTrayIconClicked(int reason);
    // The item actions of the list's context menu and keys.
    void ShowListPopMenu(QPoint pt);
    void CopyNowSelectContent();
    void CopyNowSelectFile();
    void PreviewNowSelectContent();
    // Asks first; the answer arrives as msg_delete_confirmed.
    void DeleteNowSelectContent();
    void DeleteNowSelectStep();
    void OpenSettingWidget();
    void OpenLoginWidget();
    void FavouriteNowSelectContent();
    void PinSelectContent();
    void EncodingOperate(std::size_t type);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The hover tick runs only while the window shows: hidden, nothing wakes.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Start-up, in its order.
    void RegisterBusHandlers();
    void LoadSettings();
    void ConnectWindowButtons();
    void ConnectParts();
    void ShowStoredHistory();
    // The history as it is now, in the list.
    void ShowHistory();
    // msg_cloud_list_synced: the server's merged index joins the history (a: synced_list).
    void ShowSyncedList(std::int64_t a);

    std::int64_t OnMainMessage(std::int64_t id, std::int64_t a, std::int64_t b);
    std::int64_t OnSecondMessage(std::int64_t id, std::int64_t a, std::int64_t b);
    // The sync service's messages (main_window_sync.cpp): a carries the instruction file's
    // bytes (a std::string) or is 0, and then the file is read.
    void OnSyncMessage(std::int64_t id, std::int64_t a);
    void ShowUpdatePrompt();
    // The account page, whose construction starts the connection.
    void StartSync();
    void ApplyEditedSettings(const settings_record* edited);
    void HideToTray();
    void Quit();
    void BuildWidgets();
    QHBoxLayout* BuildTitleRow(QWidget* central);
    QHBoxLayout* BuildToolRow(QWidget* central);
    void BuildTray();
    void PlaceWindow();
    // The fade-and-slide; quit_after ends the process when it completes.
    void Animate(bool show, bool quit_after);
    void AnimationTick();
    // The style sheets of the current theme, for the window and its menus.
    void ApplyTheme();
    // Every notice for the user goes through here.
    void ShowNotice(const QString& text);
    // Redraws the list from the rows shown, whole.
    void RebuildList();
    void OnControlToggled(std::int64_t control, std::int64_t state);
    void OnTypeTabChosen(std::int64_t code);
    void SetDarkMode(bool dark);
    void UpdateStatusLine();
    void UpdateCounters();
    void PaintHint(QPainter& painter);
    settings_store::window_state CurrentWindowState() const;
    void ScheduleSettingsSave();
    void BuildListMenu();
    // Saves the choice and restarts into it.
    void ChangeLanguage(int code);
    void RunListAction(list_action action);
    // A status line and a notice, either of which may be empty.
    void ShowReport(const action_report& report);
    // Rows of the selected indexes, largest first.
    std::vector<std::int64_t> SelectedRowsLargestFirst() const;
    // After the rows from smallest_row down changed.
    void ScrollAfterChange(std::int64_t smallest_row);
    void HoverTick();
    bool SearchBoxFocused() const;
    // The list action of a key of this window, if any.
    void RunKeyAction(const QKeyEvent* event, bool pressed);
    paste_engine::hooks PasteHooks();
    // Global hotkeys (main_window_hotkeys.cpp): registered anew from the
    // settings; a press shows the window beside the cursor with its row
    // selected and copied, and the release pastes it.
    void RegisterHotkeys();
    void HotkeyPressed(std::int64_t view, int slot);
    void ShowForHotkey();
    // Down, Up and Enter in the search box act on the list.
    void ConnectSearchKeys();

    QString caption_;
    bool start_up_args_ = false;
    QPushButton* min_button_ = nullptr;
    QPushButton* max_button_ = nullptr;
    QPushButton* close_button_ = nullptr;
    QPushButton* settings_button_ = nullptr;
    switch_button* language_button_ = nullptr;
    switch_button* recording_button_ = nullptr;
    switch_button* day_night_button_ = nullptr;
    QLabel* counter_label_ = nullptr;
    history_list* list_ = nullptr;
    QLineEdit* search_box_ = nullptr;
    image_tab_widget* tab_strip_ = nullptr;
    window_chrome* chrome_ = nullptr;
    QSize default_size_;
    QPixmap back_;
    QPixmap title_icon_;
    QPixmap dragon_;
    bubble_decoration bubbles_;
    title_drag drag_;
    window_animation animation_;
    std::shared_ptr<QTimer> animation_timer_;
    QPoint animation_home_;
    // Hidden by the slide, away from animation_home_.
    bool slid_away_ = false;
    std::shared_ptr<QTimer> hover_timer_;
    std::shared_ptr<QSystemTrayIcon> tray_icon_;
    QMenu* tray_menu_ = nullptr;
    std::vector<bus::Token> bus_tokens_;
    QLabel* status_label_ = nullptr;
    list_context_menu* list_menu_ = nullptr;
    language_menu* language_menu_ = nullptr;
    std::unique_ptr<hover_preview> hover_;
    QPointer<prompt_widget> delete_prompt_;
    QPointer<settings_widget> settings_widget_;
    QPointer<prompt_widget> update_prompt_;
    std::unique_ptr<login_widget> login_;
    bool settings_save_pending_ = false;
    content_history history_;
    clipboard_capture capture_;
    list_state shown_;
    // The window in front when the last capture began: source of that entry
    // and target of a paste.
    platform::WindowId target_window_ = 0;
    capture_reaction capture_reaction_;
    // Copies and pastes entries; declared after what it shares.
    paste_engine paste_;
    // After the paste engine: a press arriving while the window is destroyed
    // finds it still there.
    hotkey_set hotkeys_;
};
