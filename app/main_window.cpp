#include "app/main_window.h"

#include "actions/alert_widget.h"
#include "actions/hover_preview.h"
#include "actions/image_preview.h"
#include "actions/list_context_menu.h"
#include "actions/prompt_widget.h"
#include "actions/text_preview.h"
#include "app/autorun.h"
#include "app/language_menu.h"
#include "app/languages.h"
#include "app/shell_actions.h"
#include "app/termination_signals.h"
#include "app/translator_loader.h"
#include "app/window_placement.h"
#include "core/log_categories.h"
#include "core/message_ids.h"
#include "core/program_layout.h"
#include "core/settings_record.h"
#include "history/history_list.h"
#include "history/view_choice.h"
#include "platform/platform.h"
#include "resources/images.h"
#include "widgets/chrome_painter.h"
#include "widgets/image_tab_widget.h"
#include "widgets/login_widget.h"
#include "widgets/native_window_id.h"
#include "widgets/settings_widget.h"
#include "widgets/switch_button.h"
#include "widgets/theme_sheets.h"
#include "widgets/window_chrome.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QSize AvailableArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1280, 720);
}

} // namespace

main_window::main_window(QWidget* parent)
    : QMainWindow(parent)
    , history_(ProgramLayout().data_folder,
          history_hooks { [this](const QString& text) { ShowNotice(text); },
              [this] { ScheduleSettingsSave(); }, [this] { ApplyViewFilter(true); },
              [this] { paste_.CopyRowContent(0); } })
    , capture_(history_)
    , shown_(history_.items)
    , capture_reaction_(capture_, target_window_, [this] { return paste_.Running(); })
    , paste_(target_window_, capture_reaction_.own_write(), PasteHooks())
{
    history_.UseWriterThread();
    // Before any widget exists: every text is translated as it is set.
    const translator_loader::outcome language
        = translator_loader::LoadTranslator(settings_store::ConfigPath());
    qCDebug(log_ui) << "language:" << (language.untranslated ? -1 : language.code);
    images::Init();
    default_size_ = window_placement::DefaultSize(AvailableArea());

    // 1. Widgets.
    BuildWidgets();
    resize(default_size_);
    setMinimumSize(380, 480);
    setWindowTitle(QStringLiteral("main_window"));

    // 2. Shell start.
    // Settings files named without a folder (server.json) are found here.
    QDir::setCurrent(ProgramLayout().settings_folder);
    QCoreApplication::addLibraryPath(QStringLiteral("./"));
    qCDebug(log_shell) << "Arguments : " << QCoreApplication::arguments();
    start_up_args_ = QCoreApplication::arguments().size() > 1;
    caption_ = tr("quillbox");
    Settings().copy_in_progress = false;
    RegisterBusHandlers();

    // 3. Settings, 4. autorun, 5. placement.
    LoadSettings();
    setWindowTitle(caption_);
    PlaceWindow();
    Animate(true, false);

    // 6. The rest of the window, 7. wiring.
    BuildTray();
    // The hover preview hangs on it.
    hover_timer_ = std::make_shared<QTimer>();
    hover_timer_->setInterval(100);
    BuildListMenu();
    ConnectWindowButtons();
    ApplyTheme();
    ConnectParts();

    // 8. The history: the list first shows everything loaded, then the view.
    ShowStoredHistory();
    // 9. The global hotkeys.
    connect(&hotkeys_, &hotkey_set::pressed, this, &main_window::HotkeyPressed);
    RegisterHotkeys();
    // 11. The account page and with it the connection.
    StartSync();
    ShowMainWindow();
}

paste_engine::hooks main_window::PasteHooks()
{
    return { [this] { return shown_.view(); },
        [this] {
            const std::vector<int> rows = list_->SelectedRows();
            return std::vector<std::int64_t>(rows.begin(), rows.end());
        },
        [this] { return static_cast<std::int64_t>(list_->currentIndex().row()); },
        [this](const action_report& report) { ShowReport(report); }, [this] { hide(); },
        [this] {
            if (hover_)
                hover_->Hide();
        },
        [this] { return NativeWindowId(this); } };
}

void main_window::RegisterBusHandlers()
{
    const auto main
        = [this](std::int64_t i, std::int64_t a, std::int64_t b) { return OnMainMessage(i, a, b); };
    for (std::int64_t id : { msg_settings_applied, msg_show_window, msg_cloud_list_synced,
             msg_sync_append, msg_sync_delete, msg_sync_content, msg_update_required,
             msg_sync_collect, msg_control_toggled })
        bus_tokens_.push_back(bus::Register(id, main));
    const auto second = [this](std::int64_t i, std::int64_t a, std::int64_t b) {
        return OnSecondMessage(i, a, b);
    };
    for (std::int64_t id : { msg_delete_confirmed, msg_type_tab_chosen, msg_update_accepted,
             msg_update_declined, msg_restart })
        bus_tokens_.push_back(bus::Register(id, second));
}

void main_window::LoadSettings()
{
    settings_store::Load(Settings(), settings_store::ConfigPath(), CurrentWindowState());
    Settings().collect_sort_type = view_choice::ValidOrder(Settings().collect_sort_type);
    autorun::Apply(platform::Current(), Settings().auto_run, ProgramLayout());
    settings_store::FillAtWindowConstruction(Settings());
    language_button_->setState(languages::Effective(Settings().language));
    recording_button_->setState(Settings().start_paster ? 1 : 0);
    day_night_button_->setState(Settings().dark_mode ? 1 : 0);
    tab_strip_->selectValue(Settings().show_content_type);
}

void main_window::ConnectWindowButtons()
{
    connect(
        new termination_signals(this), &termination_signals::requested, this, &main_window::Quit);
    connect(close_button_, &QPushButton::clicked, this, [this] {
        SaveSettings(true);
        HideToTray();
    });
    connect(max_button_, &QPushButton::clicked, this, [this] {
        chrome_->ToggleMaximize();
        update();
    });
    connect(min_button_, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(settings_button_, &QPushButton::clicked, this, &main_window::OpenSettingWidget);
    connect(search_box_, &QLineEdit::textChanged, this, [this] { ApplyViewFilter(true); });
}

void main_window::ConnectParts()
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &capture_reaction_,
        &capture_reaction::ClipboardChanged);
    connect(&capture_reaction_, &capture_reaction::captured, this, &main_window::UpdateCounters);
    connect(&capture_reaction_, &capture_reaction::pinText, this,
        [this](const QString& text) { text_preview::Pin(this, text); });
    connect(&capture_reaction_, &capture_reaction::pinImage, this,
        [this](const QString& path) { image_preview::Pin(this, path); });
    connect(list_, &history_list::itemDoubleClicked, &paste_, &paste_engine::ItemDoubleClicked);
    connect(list_, &history_list::itemSelectionChanged, this, &main_window::UpdateStatusLine);
    connect(chrome_, &window_chrome::foldChanged, this, [this] { RebuildList(); });
    connect(chrome_, &window_chrome::activated, this, [this] {
        ApplyTheme();
        list_->doItemsLayout();
    });
    connect(chrome_, &window_chrome::restored, this, [this] { list_->doItemsLayout(); });
    // Posted, not handled here alone: the preview and prompt windows follow the theme switch.
    for (const auto& [button, control] : { std::pair { language_button_, control_language_button },
             { recording_button_, control_recording_button },
             { day_night_button_, control_day_night_button } })
        connect(button, &switch_button::toggled, this,
            [control = control](int state) { bus::Post(msg_control_toggled, control, state); });
    connect(tab_strip_, &image_tab_widget::chosen, this, &main_window::OnTypeTabChosen);
    ConnectSearchKeys();
}

void main_window::ShowStoredHistory()
{
    history_.LoadContent();
    ShowHistory();
}

void main_window::ShowHistory()
{
    shown_.ShowAll();
    RebuildList();
    ApplyViewFilter(true);
    UpdateCounters();
}

void main_window::UpdateCounters()
{
    counter_label_->setText(capture_.today().StatusText());
    UpdateStatusLine();
}

main_window::~main_window()
{
    // Entries still being written join the index while the window can take them.
    history_.FinishWrites();
    // Made on first use and kept for the window's life; they have no parent.
    delete delete_prompt_.data();
    delete settings_widget_.data();
    delete update_prompt_.data();
    // Before the history it writes into goes.
    login_.reset();
    for (bus::Token token : bus_tokens_)
        bus::Unregister(token);
}

void main_window::PlaceWindow()
{
    const QSize available = AvailableArea();
    const QSize size = window_placement::DefaultSize(available);
    platform::layer& os = platform::Current();
    Settings().folded_now = false;
    const auto saved = window_placement::ParsePosition(Settings().position);
    if (saved && saved->width() - 1 < 500 && Settings().auto_fold)
        Settings().folded_now = true;
    chrome_->SetAutoFold(Settings().auto_fold);
    chrome_->SetFolded(Settings().folded_now);
    QRect frame;
    if (saved && window_placement::IsAccepted(*saved, available)) {
        setGeometry(*saved);
        const int scale = os.DpiScale();
        frame = *saved;
        if (scale >= 2)
            frame.setSize(frame.size() * scale);
    } else {
        frame = QRect((available.width() - size.width()) / 2,
            (available.height() - size.height()) / 2, size.width(), size.height());
        setGeometry(frame);
    }
    // Always above other windows; the toolkit keeps the hint over hide and show.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    os.SetTopmost(
        NativeWindowId(this), { frame.x(), frame.y(), frame.width(), frame.height() }, false);
}

void main_window::Animate(bool show, bool quit_after)
{
    if (start_up_args_) {
        start_up_args_ = false;
        return;
    }
    // The slide is only a look: the window ends where it was.
    if ((!animation_timer_ || !animation_timer_->isActive()) && !slid_away_)
        animation_home_ = frameGeometry().topLeft();
    animation_.Start(show, quit_after, animation_home_);
    animation_timer_ = std::make_shared<QTimer>();
    connect(animation_timer_.get(), &QTimer::timeout, this, &main_window::AnimationTick);
    animation_timer_->start(20);
}

void main_window::AnimationTick()
{
    const window_animation::tick tick = animation_.Next();
    setWindowOpacity(tick.opacity);
    move(tick.position);
    if (!tick.done)
        return;
    animation_timer_->stop();
    if (animation_.quit_after()) {
        QCoreApplication::exit(0);
        return;
    }
    if (animation_.showing()) {
        move(animation_home_);
        QWidget::show();
    } else {
        hide();
        // Put back on the next show: a move now can be overtaken by the
        // window system's late report of an earlier slide position.
        slid_away_ = true;
        setWindowOpacity(1.0);
    }
}

void main_window::ApplyTheme()
{
    const bool dark = Settings().dark_mode;
    if (const auto sheet = theme_sheets::ReadThemeFile(
            theme_sheets::ThemeFilePath(ProgramLayout().shared_folder, dark)))
        setStyleSheet(*sheet);
    if (tray_menu_)
        tray_menu_->setStyleSheet(theme_sheets::TrayMenu(dark));
    if (counter_label_) {
        counter_label_->setStyleSheet(theme_sheets::CounterLabel(dark));
        counter_label_->setContentsMargins(3, 5, 3, 5);
    }
    if (chrome_)
        chrome_->SetDark(dark);
    if (tab_strip_)
        tab_strip_->SetDark(dark);
    for (alert_widget* notice : findChildren<alert_widget*>(QString(), Qt::FindDirectChildrenOnly))
        notice->SetDark(dark);
    if (list_)
        list_->SetLook(dark, Settings().remove_style);
    if (list_menu_)
        list_menu_->ApplyStyle(dark);
    if (language_menu_)
        language_menu_->ApplyStyle(dark);
}

void main_window::ShowMainWindow()
{
    if (slid_away_ && !isVisible())
        move(animation_home_);
    slid_away_ = false;
    setWindowOpacity(1.0);
    show();
    raise();
    setWindowState(Qt::WindowActive);
    activateWindow();
}

void main_window::SystemTrayIconClicked(int reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        ShowMainWindow();
}

settings_store::window_state main_window::CurrentWindowState() const
{
    settings_store::window_state state;
    // During a slide the window is away from its place; the place is saved.
    state.frame = frameGeometry();
    if ((animation_timer_ && animation_timer_->isActive()) || slid_away_)
        state.frame->moveTopLeft(animation_home_);
    return state;
}

void main_window::SaveSettings(bool flag)
{
    settings_store::Save(Settings(), settings_store::ConfigPath(), flag, CurrentWindowState());
}

void main_window::HideToTray()
{
    Animate(false, false);
}

void main_window::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the program lives on in the tray.
    if (isVisible())
        HideToTray();
    event->ignore();
}

void main_window::Quit()
{
    if (tray_icon_)
        tray_icon_->hide();
    // Nothing copied is lost to a quit, or to SIGTERM (which comes here).
    capture_reaction_.CapturePending();
    SaveHistoryNow();
    // A hidden window has nothing to fade.
    if (isVisible())
        Animate(false, true);
    if (!animation_timer_ || !animation_timer_->isActive() || !animation_.quit_after())
        QCoreApplication::exit(0);
}

std::int64_t main_window::OnMainMessage(std::int64_t id, std::int64_t a, std::int64_t b)
{
    switch (id) {
    case msg_settings_applied:
        ApplyEditedSettings(reinterpret_cast<const settings_record*>(a));
        break;
    case msg_show_window:
        paste_.AfterKeys([this] { ShowMainWindow(); });
        break;
    case msg_cloud_list_synced:
        ShowSyncedList(a);
        break;
    case msg_control_toggled:
        OnControlToggled(a, b);
        break;
    default:
        OnSyncMessage(id, a);
        break;
    }
    return 0;
}

void main_window::OnControlToggled(std::int64_t control, std::int64_t state)
{
    switch (control) {
    case control_recording_button:
        Settings().start_paster = state != 0;
        ShowNotice(state != 0 ? tr("剪贴板记录已恢复") : tr("剪贴板记录已暂停"));
        ScheduleSettingsSave();
        break;
    case control_language_button:
        language_menu_->Popup(QCursor::pos());
        break;
    case control_dark_mode_switch:
        day_night_button_->setState(state != 0 ? 1 : 0);
        SetDarkMode(state != 0);
        break;
    case control_day_night_button:
        ShowNotice(state != 0 ? tr("夜间模式已开启") : tr("昼间模式已开启"));
        SetDarkMode(state != 0);
        break;
    case control_hotkey_enable_switch:
        if (state != 0)
            RegisterHotkeys();
        break;
    default:
        break;
    }
}

void main_window::SetDarkMode(bool dark)
{
    Settings().dark_mode = dark;
    ApplyTheme();
    update();
    ApplyViewFilter(true);
}

std::int64_t main_window::OnSecondMessage(std::int64_t id, std::int64_t a, std::int64_t)
{
    switch (id) {
    case msg_delete_confirmed:
        DeleteNowSelectStep();
        break;
    case msg_type_tab_chosen:
        OnTypeTabChosen(a);
        break;
    case msg_update_accepted:
        shell_actions::OpenDownloadPageAndExit();
        break;
    case msg_update_declined:
        shell_actions::ExitNow();
        break;
    case msg_restart:
        // The new copy registers the same keys: this one gives them back first.
        hotkeys_.Release();
        shell_actions::Restart([this] { SaveHistoryNow(); });
        break;
    default:
        break;
    }
    return 0;
}

void main_window::OnTypeTabChosen(std::int64_t code)
{
    const view_choice::choice next
        = view_choice::Choose(code, Settings().show_content_type, Settings().collect_sort_type);
    Settings().show_content_type = next.show_content_type;
    Settings().collect_sort_type = next.collect_sort_type;
    ApplyViewFilter(true);
    ShowNotice(next.notice);
}

void main_window::ShowNotice(const QString& text)
{
    qCDebug(log_ui) << "notice:" << text;
    alert_widget::Show(this, text, Settings().dark_mode);
}

QString main_window::StatusLine() const
{
    const int selected = static_cast<int>(list_->SelectedRows().size());
    const int copied = static_cast<int>(capture_.today().today_count());
    return tr("  当前已选中 ") + QString::number(selected) + tr(" 项内容", nullptr, selected)
        + tr(" ，今天已复制 ") + QString::number(copied) + tr(" 次", nullptr, copied);
}

void main_window::UpdateStatusLine()
{
    status_label_->setText(StatusLine());
}

void main_window::paintEvent(QPaintEvent*)
{
    if (back_.isNull())
        return;
    const bool dark = Settings().dark_mode;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::NoPen);
    chrome_painter::PaintBody(
        painter, size(), chrome_->frame_margin(), chrome_->frame_flag(), dark);
    bubbles_.Paint(painter, dragon_);
    chrome_painter::PaintTitle(painter, width(), title_icon_, caption_, dark);
    PaintHint(painter);
}

void main_window::PaintHint(QPainter& painter)
{
    if (!history_.records.empty())
        return;
    // Shown at every width: a narrow window needs the hint as much.
    painter.setFont(QFont(QStringLiteral("微软雅黑"), 13));
    painter.setPen(Settings().dark_mode ? Qt::white : Qt::black);
    painter.drawText(QRect(0, 44, width(), height() - 44), Qt::AlignCenter,
        tr("当前列表中暂无内容，\n尝试从别处Ctrl+C复制几条吧~"));
}

void main_window::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        drag_.Press(event->pos(), event->globalPos(), frameGeometry().topLeft(), width());
    QMainWindow::mousePressEvent(event);
}

void main_window::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && drag_.dragging() && !chrome_->resizing()) {
        if (isMaximized()) {
            chrome_->ToggleMaximize();
            if (const auto anchored = drag_.Restored(width(), event->globalPos()))
                move(*anchored);
        } else {
            move(drag_.Target(event->globalPos()));
        }
    }
    QMainWindow::mouseMoveEvent(event);
}

void main_window::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        drag_.Release();
    QMainWindow::mouseReleaseEvent(event);
}

void main_window::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && title_drag::InStrip(event->pos(), width())) {
        chrome_->ToggleMaximize();
        update();
    }
    QMainWindow::mouseDoubleClickEvent(event);
}

void main_window::ScheduleSettingsSave()
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

void main_window::SaveHistoryNow()
{
    history_.FinishWrites();
    history_.SaveContent();
    history_.FinishWrites();
    settings_save_pending_ = false;
    SaveSettings(false);
}

void main_window::ApplyViewFilter(bool rebuild)
{
    shown_.Filter(search_box_ ? search_box_->text() : QString(), Settings().show_content_type,
        Settings().collect_sort_type, Settings().max_save_count);
    if (rebuild) {
        shown_.ShowFiltered();
        RebuildList();
    }
}

void main_window::RebuildList()
{
    if (!list_)
        return;
    list_->SetLook(Settings().dark_mode, Settings().remove_style);
    list_->Rebuild(
        shown_.view(), Settings().max_save_count, Settings().small_view || Settings().folded_now);
    // The hint depends on the stored history, which may just have changed.
    update();
}
