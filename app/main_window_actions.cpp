// The main window's item actions: the list's context menu, its letter keys,
// pinning, deleting, favourites, encodings, the hover preview and what the
// keys held while copying ask for. The work is done by the actions library.
#include "app/main_window.h"

#include "actions/entry_encoding.h"
#include "actions/favourite_toggle.h"
#include "actions/hover_preview.h"
#include "actions/image_preview.h"
#include "actions/key_sequence.h"
#include "actions/list_context_menu.h"
#include "actions/pin_entry.h"
#include "actions/prompt_widget.h"
#include "app/language_menu.h"
#include "core/log_categories.h"
#include "core/message_ids.h"
#include "core/settings_record.h"
#include "history/history_list.h"
#include "widgets/login_widget.h"

#include <algorithm>
#include <QClipboard>
#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace {

// A content file as a URL; QUrl spells both "/home/..." and "C:/..." right.
QUrl ContentFileUrl(const std::string& path)
{
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

QSize ScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1280, 720);
}

} // namespace

void main_window::BuildListMenu()
{
    list_menu_ = new list_context_menu(this, Settings().dark_mode);
    connect(list_menu_, &list_context_menu::triggered, this, &main_window::RunListAction);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, &main_window::ShowListPopMenu);
    language_menu_ = new language_menu(this, Settings().language, Settings().dark_mode);
    connect(language_menu_, &language_menu::changeRequested, this, &main_window::ChangeLanguage);
    hover_ = std::make_unique<hover_preview>(this);
    connect(hover_timer_.get(), &QTimer::timeout, this, &main_window::HoverTick);
}

void main_window::ChangeLanguage(int code)
{
    Settings().language = code;
    SaveSettings(true);
    bus::Post(msg_restart, 0, 0);
}

void main_window::RunListAction(list_action action)
{
    switch (action) {
    case list_action::copy:
        CopyNowSelectContent();
        break;
    case list_action::copy_file:
        CopyNowSelectFile();
        break;
    case list_action::paste:
        paste_.PasteNowSelectContent();
        break;
    case list_action::reverse_paste:
        paste_.PasteNowReverseSelectContent();
        break;
    case list_action::flip_paste:
        paste_.FlipPasteSelectContent();
        break;
    case list_action::preview:
        PreviewNowSelectContent();
        break;
    case list_action::pin:
        PinSelectContent();
        break;
    case list_action::favourite:
        FavouriteNowSelectContent();
        break;
    case list_action::remove:
        DeleteNowSelectContent();
        break;
    case list_action::md5:
        EncodingOperate(encoding_md5);
        break;
    case list_action::base64:
        EncodingOperate(encoding_base64);
        break;
    case list_action::settings:
        OpenSettingWidget();
        break;
    case list_action::login:
        OpenLoginWidget();
        break;
    }
}

std::vector<std::int64_t> main_window::SelectedRowsLargestFirst() const
{
    const std::vector<int> rows = list_->SelectedRows();
    std::vector<std::int64_t> sorted(rows.begin(), rows.end());
    std::sort(sorted.begin(), sorted.end(), std::greater<std::int64_t>());
    return sorted;
}

void main_window::ScrollAfterChange(std::int64_t smallest_row)
{
    const std::int64_t row = ScrollRowAfterChange(smallest_row, list_->count());
    if (row >= 0)
        list_->scrollTo(list_->model()->index(static_cast<int>(row), 0));
}

void main_window::ShowReport(const action_report& report)
{
    if (!report.status.isEmpty())
        status_label_->setText(report.status);
    if (!report.notice.isEmpty())
        ShowNotice(report.notice);
}

void main_window::ShowListPopMenu(QPoint pt)
{
    const content_item* entry = shown_.Entry(list_->indexAt(pt).row());
    if (!entry)
        return;
    hover_->Hide();
    list_menu_->ShowFor(entry->type, QCursor::pos());
}

void main_window::CopyNowSelectContent()
{
    paste_.CopyRowContent(list_->currentRow());
}

void main_window::CopyNowSelectFile()
{
    capture_reaction_.own_write().Mark();
    QList<QUrl> urls;
    for (std::int64_t row : SelectedRowsLargestFirst())
        if (const content_item* entry = shown_.Entry(row))
            urls.append(ContentFileUrl(entry->content));
    auto* data = new QMimeData;
    data->setUrls(urls);
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it
    ShowReport({ tr("  文件已复制至剪贴板"), tr("文件已经复制到剪贴板") });
}

void main_window::PreviewNowSelectContent()
{
    for (std::int64_t row : SelectedRowsLargestFirst())
        if (const content_item* entry = shown_.Entry(row))
            QDesktopServices::openUrl(ContentFileUrl(entry->content));
}

void main_window::DeleteNowSelectContent()
{
    if (!delete_prompt_)
        delete_prompt_
            = new prompt_widget(this, tr("确定删除？"), msg_delete_confirmed, msg_delete_cancelled);
    delete_prompt_->ShowPopup();
}

void main_window::DeleteNowSelectStep()
{
    const std::vector<std::int64_t> rows = SelectedRowsLargestFirst();
    if (rows.empty())
        return;
    // The rows as shown now.
    ApplyViewFilter(false);
    history_.DeleteSelectIndex(
        rows, shown_.row_to_record(), Settings().show_content_type == content_favourite);
    ScrollAfterChange(rows.back());
}

void main_window::FavouriteNowSelectContent()
{
    const std::vector<std::int64_t> rows = SelectedRowsLargestFirst();
    if (rows.empty())
        return;
    ApplyViewFilter(false);
    const favourite_changes changes = ToggleFavouriteRows(history_, rows, shown_.row_to_record());
    ApplyViewFilter(true);
    ScrollAfterChange(rows.back());
    const QString notice = FavouriteNoticeText(changes);
    if (!notice.isEmpty())
        ShowNotice(notice);
}

void main_window::PinSelectContent()
{
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    if (const content_item* entry = shown_.Entry(selected.first().row()))
        PinEntry(this, *entry);
}

void main_window::EncodingOperate(std::size_t type)
{
    const content_item* entry = shown_.Entry(list_->currentRow());
    if (!entry)
        return;
    const encoding_result result = EncodeEntry(*entry, type);
    if (result.text) {
        capture_reaction_.own_write().Mark();
        QGuiApplication::clipboard()->setText(*result.text);
    }
    ShowReport(result.report);
}

void main_window::OpenLoginWidget()
{
    if (login_)
        login_->ShowPopup();
}

bool main_window::SearchBoxFocused() const
{
    // The window's focus child, which keeps the answer while another
    // window is active.
    return focusWidget() == search_box_;
}

void main_window::RunKeyAction(const QKeyEvent* event, bool pressed)
{
    // A paste whose switch did not leave this window sends its Ctrl+V and
    // Enter here: taken as commands, they would paste again and again.
    if (paste_.TakeOwnKeyEcho(VirtualKeyOf(event->key()), pressed))
        return;
    if (const auto action = list_menu_entries::ActionForKey(
            event->key(), pressed, SearchBoxFocused(), event->isAutoRepeat()))
        RunListAction(*action);
}

void main_window::keyPressEvent(QKeyEvent* event)
{
    RunKeyAction(event, true);
    QMainWindow::keyPressEvent(event);
}

void main_window::keyReleaseEvent(QKeyEvent* event)
{
    RunKeyAction(event, false);
    QMainWindow::keyReleaseEvent(event);
}

void main_window::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (hover_timer_)
        hover_timer_->start();
}

void main_window::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    if (hover_timer_)
        hover_timer_->stop();
    // With the tick stopped nothing else would take the preview down.
    if (hover_)
        hover_->Hide();
}

bool main_window::HoverTicking() const
{
    return hover_timer_ && hover_timer_->isActive();
}

void main_window::HoverTick()
{
    hover_->TickOver(list_, shown_.view(), list_menu_->menu()->isVisible(), isActiveWindow(),
        QCursor::pos(), ScreenSize());
}
