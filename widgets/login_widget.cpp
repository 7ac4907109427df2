#include "widgets/login_widget.h"

#include "actions/popup_frame.h"
#include "core/log_categories.h"
#include "sync/account_session.h"
#include "sync/reply_texts.h"

#include <algorithm>
#include <mutex>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTimerPeriod = 300;

const char* const kFieldSheet
    = "QLineEdit{border:1px solid #A9A9A9;border-radius:18px;padding:0px 12px 0px 3px;"
      "selection-background-color:#1ABC9C;selection-color:black;font-size:14px;"
      "background:transparent;}";
const char* const kButtonSheet
    = "QPushButton{font-family:Microsoft YaHei;font-size:16px;color:black;"
      "border:1px solid #888888;border-radius:5px;padding:5px;min-height:20px;"
      "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #989898,stop:1 #888888);}"
      "QPushButton:hover{background:#717171;}QPushButton:pressed{background:#616161;}";

struct status_look {
    const char* text;
    const char* tooltip;
    const char* sheet;
};

status_look Look(page_change::status shown)
{
    using status = page_change::status;
    switch (shown) {
    case status::initial:
        return { QT_TRANSLATE_NOOP("login_widget", "尚未登录"), nullptr, "font:bold;" };
    case status::empty_fields:
        return { QT_TRANSLATE_NOOP("login_widget", "请先输入有效账号或密码"), nullptr,
            "color:#ff0000;font:bold;" };
    case status::unreachable:
        return { QT_TRANSLATE_NOOP("login_widget", "暂时无法连接服务器"),
            QT_TRANSLATE_NOOP("login_widget", "请检查当前网络是否顺畅"),
            "color:#ff6600;font:bold;" };
    case status::logged_in:
        return { QT_TRANSLATE_NOOP("login_widget", "登录成功"),
            QT_TRANSLATE_NOOP("login_widget", "已经成功连接服务器"), "color:#026841;font:bold;" };
    case status::updating:
        return { QT_TRANSLATE_NOOP("login_widget", "更新列表中.."), nullptr,
            "color:#7367F0;font:bold;" };
    case status::login_refused:
        return { QT_TRANSLATE_NOOP("login_widget", "请检查账号与密码"),
            QT_TRANSLATE_NOOP("login_widget", "账号或密码输入有误"), "color:#ff6600;font:bold;" };
    case status::registered:
        return { QT_TRANSLATE_NOOP("login_widget", "注册成功"),
            QT_TRANSLATE_NOOP("login_widget", "现在可以开始登录了"), "color:#77BBAD;font:bold;" };
    case status::register_failed:
        return { QT_TRANSLATE_NOOP("login_widget", "注册失败"),
            QT_TRANSLATE_NOOP("login_widget", "更换账号名称再试一试"), "color:#ff6600;font:bold;" };
    case status::list_updated:
        return { QT_TRANSLATE_NOOP("login_widget", "更新完毕"),
            QT_TRANSLATE_NOOP("login_widget", "当前列表内容已与云上同步"),
            "color:#1ABC9C;font:bold;" };
    case status::refused_by_server:
        break;
    }
    return { nullptr, nullptr, "color:#ff0000;font:bold;" };
}

// The refusal in the user's words; the server's own words go to the tooltip.
const char* RefusalText(const std::string& refusal)
{
    if (refusal == wire::refusal_password)
        return QT_TRANSLATE_NOOP("login_widget", "登录失败次数过多，服务器已断开连接");
    if (refusal == wire::refusal_version)
        return QT_TRANSLATE_NOOP("login_widget", "版本过低，服务器已断开连接");
    if (refusal == wire::refusal_permission)
        return QT_TRANSLATE_NOOP("login_widget", "账号已停用，服务器已断开连接");
    if (refusal == wire::refusal_money)
        return QT_TRANSLATE_NOOP("login_widget", "云端空间已满，服务器已断开连接");
    return QT_TRANSLATE_NOOP("login_widget", "服务器拒绝登录");
}

} // namespace

// Where the session's reports go: cleared first thing when the page goes, so a report from
// a connection's thread never reaches a page that is gone.
struct login_widget::target {
    std::mutex mutex;
    login_widget* page = nullptr;
};

login_widget::login_widget(
    QWidget* anchor, sync_link& link, const QString& user_file, const QString& content_folder)
    : show_widget(popup_frame::close, anchor)
    , status_(new QLabel(this))
    , account_(new QLineEdit(this))
    , password_(new QLineEdit(this))
    , auto_box_(new QCheckBox(tr("自动登录"), this))
    , login_(new QPushButton(tr("登录"), this))
    , register_(new QPushButton(tr("注册"), this))
    , target_(std::make_shared<target>())
{
    BuildControls();
    target_->page = this;
    session_ = account_session::Create(
        link, user_file, content_folder, [target = target_](page_change change) {
            std::lock_guard<std::mutex> lock(target->mutex);
            if (!target->page)
                return;
            // Always queued, so that changes made on the GUI thread and on a connection's
            // thread keep their order.
            login_widget* page = target->page;
            QMetaObject::invokeMethod(
                page, [page, change] { page->Apply(change); }, Qt::QueuedConnection);
        });
    connect(login_, &QPushButton::clicked, this, [this] {
        session_->LoginClicked(account_->text().toStdString(), password_->text().toStdString());
    });
    connect(register_, &QPushButton::clicked, this, [this] {
        session_->RegisterClicked(account_->text().toStdString(), password_->text().toStdString());
    });
    connect(auto_box_, &QCheckBox::stateChanged, this,
        [this](int state) { session_->SetAutoLogin(state == Qt::Checked); });
    connect(&upload_timer_, &QTimer::timeout, this, [this] {
        last_tick_.start();
        session_->UploadTick();
    });
    connect(&forward_timer_, &QTimer::timeout, this, [this] {
        last_tick_.start();
        session_->ForwardTick();
    });
    for (QTimer* timer : { &upload_timer_, &forward_timer_ }) {
        timer->setSingleShot(true);
        timer->setInterval(kTimerPeriod);
    }
    session_->Start();
}

login_widget::~login_widget()
{
    {
        std::lock_guard<std::mutex> lock(target_->mutex);
        target_->page = nullptr;
    }
    upload_timer_.stop();
    forward_timer_.stop();
}

void login_widget::BuildControls()
{
    setTitle(tr("连接"));
    status_->setMinimumSize(160, 30);
    status_->setAlignment(Qt::AlignCenter);
    account_->setPlaceholderText(tr("输入账户"));
    password_->setPlaceholderText(tr("输入密码"));
    password_->setEchoMode(QLineEdit::Password);
    for (QLineEdit* field : { account_, password_ })
        field->setStyleSheet(QLatin1String(kFieldSheet));
    auto_box_->setToolTip(tr("勾选此选项启动程序时将自动登录"));
    login_->setShortcut(QKeySequence(Qt::Key_Return));
    login_->setFlat(true);
    for (QPushButton* button : { login_, register_ })
        button->setStyleSheet(QLatin1String(kButtonSheet));
    auto* column = new QVBoxLayout;
    column->setContentsMargins(20, 10, 20, 0);
    for (QWidget* widget : std::initializer_list<QWidget*> {
             status_, account_, password_, auto_box_, login_, register_ })
        column->addWidget(widget);
    content_layout()->addLayout(column);
    ShowStatus(page_change::status::initial, {});
}

QString login_widget::StatusText(page_change::status shown, const std::string& refusal)
{
    if (shown == page_change::status::refused_by_server)
        return tr(RefusalText(refusal));
    return tr(Look(shown).text);
}

void login_widget::ShowStatus(page_change::status shown, const std::string& refusal)
{
    const status_look look = Look(shown);
    status_->setText(StatusText(shown, refusal));
    qCDebug(log_ui).noquote() << "account page:" << status_->text();
    status_->setStyleSheet(QLatin1String(look.sheet));
    using status = page_change::status;
    QString tip;
    if (shown == status::initial)
        tip = tr("如果尚未注册账号请先注册") + QLatin1Char('\n') + tr("注册后请输入账号密码登录");
    else if (shown == status::updating)
        tip = tr("更新内容需要一段时间\n") + tr("更新完毕之后将自动刷新内容列表");
    else if (shown == status::refused_by_server)
        tip = QString::fromStdString(refusal);
    else
        tip = look.tooltip ? tr(look.tooltip) : status_->text();
    status_->setToolTip(tip);
}

void login_widget::Apply(const page_change& change)
{
    if (change.shown)
        ShowStatus(*change.shown, change.refusal);
    if (change.login_enabled)
        login_->setEnabled(*change.login_enabled);
    if (change.register_enabled)
        register_->setEnabled(*change.register_enabled);
    if (change.account)
        account_->setText(QString::fromStdString(*change.account));
    if (change.password)
        password_->setText(QString::fromStdString(*change.password));
    if (change.auto_login) {
        // Set from the file: not a change of the user's to act on again.
        const QSignalBlocker quiet(auto_box_);
        auto_box_->setChecked(*change.auto_login);
    }
    // News is taken at once after a quiet while, else at the end of the period that the
    // last tick began: a burst is still taken in 300 ms steps.
    if (change.ticks_wanted) {
        const qint64 since = last_tick_.isValid() ? last_tick_.elapsed() : kTimerPeriod;
        const int wait = static_cast<int>(std::max<qint64>(0, kTimerPeriod - since));
        for (QTimer* timer : { &upload_timer_, &forward_timer_ })
            if (!timer->isActive())
                timer->start(wait);
    }
}

void login_widget::closeWidget()
{
    session_->Closed();
    show_widget::closeWidget();
}
