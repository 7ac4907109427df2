// The program's one permanent window: owner of the history list, the tray
// icon, the timers and the two bus handlers.
#pragma once

#include "app/message_bus.h"
#include "app/settings_store.h"

#include <cstdint>
#include <memory>
#include <QMainWindow>
#include <vector>

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

public slots:
    void SystemTrayIconClicked(int reason);

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

    QString caption_;
    bool start_up_args_ = false;
    QPushButton* close_button_ = nullptr;
    std::shared_ptr<QSystemTrayIcon> tray_icon_;
    QMenu* tray_menu_ = nullptr;
    std::vector<bus::Token> bus_tokens_;
};
