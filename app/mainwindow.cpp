#include "app/mainwindow.h"

#include "app/autorun.h"
#include "app/message_ids.h"
#include "app/program_file.h"
#include "app/settings_record.h"
#include "app/shell_actions.h"
#include "app/termination_signals.h"
#include "app/window_placement.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
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
    connect(new termination_signals(this), &termination_signals::requested, this,
            &MainWindow::Quit);
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
        shell_actions::Restart({});
        break;
    default:
        break;
    }
    return 0;
}
