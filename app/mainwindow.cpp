#include "app/mainwindow.h"

#include "app/autorun.h"
#include "app/message_ids.h"
#include "app/program_file.h"
#include "app/settings_record.h"
#include "app/shell_actions.h"
#include "app/termination_signals.h"
#include "app/window_placement.h"
#include "history/clipboard_snapshot.h"
#include "history/file_digest.h"
#include "history/view_filter.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , history_(ProgramFolder(),
          history_hooks { [this](const QString& text) { ShowNotice(text); },
              [this] { ScheduleSettingsSave(); }, [this] { ApplyViewFilter(true); }, {} })
    , capture_(history_)
    , records(history_.records)
    , items(history_.items)
{
    // 1. Widgets.
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* title_row = new QHBoxLayout;
    auto* title = new QLabel(central);
    title->setObjectName(QStringLiteral("caption_label"));
    close_button_ = new QPushButton(QStringLiteral("\u2715"), central);
    close_button_->setObjectName(QStringLiteral("close_button"));
    close_button_->setFixedSize(48, 32);
    close_button_->setFlat(true);
    close_button_->setShortcut(QKeySequence(Qt::Key_Escape));
    title_row->addWidget(title, 1);
    title_row->addWidget(close_button_);
    layout->addLayout(title_row);
    layout->addStretch(1);
    status_label_ = new QLabel(central);
    status_label_->setObjectName(QStringLiteral("status_label"));
    layout->addWidget(status_label_);
    setCentralWidget(central);
    setMinimumSize(464, 303);
    setWindowTitle(QStringLiteral("MainWindow"));

    // 2. Shell start.
    QDir::setCurrent(ProgramFolder());
    QCoreApplication::addLibraryPath(QStringLiteral("./"));
    qDebug() << "Arguments : " << QCoreApplication::arguments();
    start_up_args_ = QCoreApplication::arguments().size() > 1;
    caption_ = tr("quillbox");
    title->setText(caption_);
    Settings().copy_in_progress = false;
    for (std::int64_t id : { msg_settings_applied, msg_show_window, msg_cloud_list_synced,
             msg_sync_append, msg_sync_delete, msg_sync_content, msg_update_required,
             msg_sync_collect, msg_control_toggled })
        bus_tokens_.push_back(
            bus::Register(id, [this](std::int64_t i, std::int64_t a, std::int64_t b) {
                return OnMainMessage(i, a, b);
            }));

    // 3. Settings, 4. autorun.
    settings_store::Load(Settings(), settings_store::ConfigPath(), CurrentWindowState());
    autorun::Apply(platform::Current(), Settings().auto_run, ProgramFolder());

    // 5. Placement.
    setWindowTitle(caption_);
    PlaceWindow();

    // 6. The rest of the window.
    settings_store::FillAtWindowConstruction(Settings());
    BuildTray();
    connect(
        new termination_signals(this), &termination_signals::requested, this, &MainWindow::Quit);
    connect(close_button_, &QPushButton::clicked, this, [this] {
        SaveSettings(true);
        HideToTray();
    });

    // 7. Wiring.
    for (std::int64_t id : { msg_delete_confirmed, msg_type_tab_chosen, msg_update_accepted,
             msg_update_declined, msg_restart })
        bus_tokens_.push_back(
            bus::Register(id, [this](std::int64_t i, std::int64_t a, std::int64_t b) {
                return OnSecondMessage(i, a, b);
            }));
    connect(
        QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::ClipboardChange);

    // 8. The history.
    LoadContent();
    ApplyViewFilter(true);
    status_label_->setText(capture_.today().StatusText());

    // 12.
    ShowMainWindow();
}

MainWindow::~MainWindow()
{
    for (bus::Token token : bus_tokens_)
        bus::Unregister(token);
}

void MainWindow::PlaceWindow()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1280, 720);
    const QSize size = window_placement::DefaultSize(available);
    setMinimumWidth(380);
    setMinimumHeight(480);
    const auto saved = window_placement::ParsePosition(Settings().position);
    if (saved && window_placement::IsAccepted(*saved, available))
        setGeometry(*saved);
    else
        setGeometry((available.width() - size.width()) / 2,
            (available.height() - size.height()) / 2, size.width(), size.height());
}

void MainWindow::BuildTray()
{
    tray_menu_ = new QMenu(this);
    QAction* login = tray_menu_->addAction(tr("登录"));
    login->setToolTip(QStringLiteral("开启剪贴板纪录全平台同步"));
    QAction* settings = tray_menu_->addAction(tr("设定"));
    settings->setToolTip(QStringLiteral("设置程序的相关功能"));
    QAction* quit = tray_menu_->addAction(tr("退出"));
    quit->setToolTip(QStringLiteral("退出程序"));
    tray_menu_->setToolTipsVisible(true);
    connect(quit, &QAction::triggered, this, &MainWindow::Quit);

    tray_icon_ = std::make_shared<QSystemTrayIcon>(this);
    tray_icon_->setIcon(QIcon(ProgramFolder() + QStringLiteral("/icon.png")));
    tray_icon_->setToolTip(caption_);
    tray_icon_->setContextMenu(tray_menu_);
    connect(tray_icon_.get(), &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            SystemTrayIconClicked(static_cast<int>(reason));
        });
    tray_icon_->show();
}

void MainWindow::ShowMainWindow()
{
    setWindowOpacity(1.0);
    show();
    raise();
    setWindowState(Qt::WindowActive);
    activateWindow();
}

void MainWindow::SystemTrayIconClicked(int reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        ShowMainWindow();
}

settings_store::WindowState MainWindow::CurrentWindowState() const
{
    settings_store::WindowState state;
    state.frame = frameGeometry();
    return state;
}

void MainWindow::SaveSettings(bool flag)
{
    settings_store::Save(Settings(), settings_store::ConfigPath(), flag, CurrentWindowState());
}

void MainWindow::HideToTray()
{
    hide();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the program lives on in the tray.
    if (isVisible())
        HideToTray();
    event->ignore();
}

void MainWindow::Quit()
{
    if (tray_icon_)
        tray_icon_->hide();
    SaveHistoryNow();
    QCoreApplication::exit(0);
}

void MainWindow::ApplyEditedSettings(const settings_record* edited)
{
    if (!edited)
        return;
    const bool old_auto_run = Settings().auto_run;
    Settings() = *edited;
    if (Settings().auto_run != old_auto_run)
        autorun::Apply(platform::Current(), Settings().auto_run, ProgramFolder());
    SaveSettings(true);
}

std::int64_t MainWindow::OnMainMessage(std::int64_t id, std::int64_t a, std::int64_t)
{
    switch (id) {
    case msg_settings_applied:
        ApplyEditedSettings(reinterpret_cast<const settings_record*>(a));
        break;
    case msg_show_window:
        ShowMainWindow();
        break;
    case msg_cloud_list_synced:
        if (QFile::exists(history_.IndexPath())) {
            ShowNotice(tr("本地列表已与云上同步"));
            LoadContent();
            ApplyViewFilter(true);
        }
        break;
    default:
        break;
    }
    return 0;
}

std::int64_t MainWindow::OnSecondMessage(std::int64_t id, std::int64_t, std::int64_t)
{
    switch (id) {
    case msg_update_accepted:
        shell_actions::OpenDownloadPageAndExit();
        break;
    case msg_update_declined:
        shell_actions::ExitNow();
        break;
    case msg_restart:
        shell_actions::Restart([this] { SaveHistoryNow(); });
        break;
    default:
        break;
    }
    return 0;
}

void MainWindow::ShowNotice(const QString& text)
{
    qDebug() << "notice:" << text;
}

void MainWindow::LoadContent()
{
    history_.LoadContent();
}

bool MainWindow::SaveContent()
{
    return history_.SaveContent();
}

void MainWindow::ScheduleSettingsSave()
{
    // config.json follows the index on the next turn of the event loop, once
    // for all the saves of this turn: each write waits for the disk, and a
    // capture should not wait twice.
    if (settings_save_pending_)
        return;
    settings_save_pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (settings_save_pending_) {
            settings_save_pending_ = false;
            SaveSettings(false);
        }
    });
}

void MainWindow::SaveHistoryNow()
{
    SaveContent();
    settings_save_pending_ = false;
    SaveSettings(false);
}

QString MainWindow::GetFileMd5(const QString& path) const
{
    return ::GetFileMd5(path);
}

std::int64_t MainWindow::FindRecordByMd5(const QString& md5) const
{
    return history_.FindRecordByMd5(md5);
}

void MainWindow::DeleteSelectIndex(int row)
{
    // The rows as shown now.
    ApplyViewFilter(false);
    history_.DeleteSelectIndex(
        { row }, row_to_record, Settings().show_content_type == content_collect);
}

void MainWindow::ReplaceDeleteCollect()
{
    history_.ReplaceDeleteCollect();
}

void MainWindow::InsertSyncedRecords(const QStringList& names, const QStringList& types)
{
    history_.InsertSyncedRecords(names, types);
}

void MainWindow::ApplyViewFilter(bool rebuild)
{
    view_rows rows = FilterItems(items, Settings().show_content_type, Settings().collect_sort_type,
        Settings().max_save_count);
    filtered_items = std::move(rows.filtered_items);
    row_to_record = std::move(rows.row_to_record);
    if (rebuild)
        view = &filtered_items;
}

void MainWindow::ClipboardChange()
{
    if (!skip_clipboard_change) {
        qDebug() << "set..";
        QTimer::singleShot(50, this, &MainWindow::SetClipboardContent);
    } else {
        skip_clipboard_change = false;
    }
}

void MainWindow::SetClipboardContent()
{
    target_window = platform::Current().ForegroundWindow();
    if (!Settings().start_paster)
        return; // paused: the change is lost, not queued
    skip_clipboard_change = true;
    capture_.Capture(ReadClipboard(QGuiApplication::clipboard()->mimeData()), target_window);
    status_label_->setText(capture_.today().StatusText());
    skip_clipboard_change = false;
}
