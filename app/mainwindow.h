// The program's one permanent window: owner of the history list, the tray
// icon, the timers and the two bus handlers.
#pragma once

#include "app/message_bus.h"
#include "app/settings_store.h"
#include "history/clipboard_capture.h"
#include "history/content_history.h"
#include "platform/platform.h"

#include <cstdint>
#include <map>
#include <memory>
#include <QMainWindow>
#include <vector>

class QLabel;
class QMenu;
class QPushButton;
class QSystemTrayIcon;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void ShowMainWindow();
    // Writes config.json; flag as stored in the file.
    void SaveSettings(bool flag);

    bool start_up_with_arguments() const { return start_up_args_; }
    const QString& caption() const { return caption_; }

    // The history operations; the logic is in content_history.
    void LoadContent();
    bool SaveContent();
    QString GetFileMd5(const QString& path) const;
    std::int64_t FindRecordByMd5(const QString& md5) const;
    void DeleteSelectIndex(int row);
    void ReplaceDeleteCollect();
    void InsertSyncedRecords(const QStringList& names, const QStringList& types);
    // Rebuilds filtered_items and row_to_record; rebuild also points view at them.
    void ApplyViewFilter(bool rebuild);
    // Every notice for the user goes through here.
    void ShowNotice(const QString& text);
    // Index and config.json both written before returning (quit, restart).
    void SaveHistoryNow();

    content_history& history() { return history_; }
    std::uint64_t today_count() const { return capture_.today().today_count(); }

public slots:
    void SystemTrayIconClicked(int reason);
    // The clipboard changed: capture it 50 ms later, unless the change is our own.
    void ClipboardChange();
    void SetClipboardContent();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::int64_t OnMainMessage(std::int64_t id, std::int64_t a, std::int64_t b);
    std::int64_t OnSecondMessage(std::int64_t id, std::int64_t a, std::int64_t b);
    void ApplyEditedSettings(const settings_record* edited);
    void HideToTray();
    void Quit();
    void BuildTray();
    void PlaceWindow();
    settings_store::WindowState CurrentWindowState() const;
    void ScheduleSettingsSave();

    QString caption_;
    bool start_up_args_ = false;
    QPushButton* close_button_ = nullptr;
    std::shared_ptr<QSystemTrayIcon> tray_icon_;
    QMenu* tray_menu_ = nullptr;
    std::vector<bus::Token> bus_tokens_;
    QLabel* status_label_ = nullptr;
    bool settings_save_pending_ = false;
    content_history history_;
    clipboard_capture capture_;

public:
    // Newest first; items[i] describes records[i].
    std::vector<content_record>& records;
    std::vector<content_item>& items;
    std::vector<content_item> filtered_items;
    std::map<std::int64_t, std::int64_t> row_to_record;
    std::vector<content_item>* view = nullptr;
    // The window in front when the last capture began: source of that entry
    // and target of a paste.
    platform::WindowId target_window = 0;
};
