// The main window's widgets: the title row, the tool row, the list, the status
// line and the tray menu, laid out once at construction.
#include "app/main_window.h"

#include "core/program_layout.h"
#include "history/history_list.h"
#include "widgets/image_tab_widget.h"
#include "widgets/switch_button.h"
#include "widgets/window_chrome.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

namespace {

QPushButton* WindowButton(const char* name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(48, 32);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

void main_window::BuildWidgets()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralwidget"));
    auto* outer = new QVBoxLayout(central);
    outer->setSpacing(0);
    auto* body = new QVBoxLayout;
    body->setSpacing(6);
    outer->addLayout(body);

    QHBoxLayout* title_row = BuildTitleRow(central);
    auto* title_strip = new QWidget(central);
    title_strip->setFixedHeight(44 - 2);
    title_strip->setLayout(title_row);
    body->addWidget(title_strip);
    body->addLayout(BuildToolRow(central));

    list_ = new history_list(central);
    list_->SetImageMaker(&history_.row_images());
    auto* list_row = new QHBoxLayout;
    list_row->setContentsMargins(6, 0, 4, 0);
    list_row->addWidget(list_);
    body->addLayout(list_row, 1);

    status_label_ = new QLabel(central);
    status_label_->setObjectName(QStringLiteral("status_label"));
    status_label_->setContentsMargins(12, 0, 12, 6);
    body->addWidget(status_label_);
    setCentralWidget(central);

    chrome_ = new window_chrome(this, window_chrome::options {});
    chrome_->SetButtons(min_button_, max_button_, close_button_);
    chrome_->SetTitleRow(title_row, default_size_.width());
    chrome_->SetMarginLayouts(outer, body);
    connect(chrome_, &window_chrome::foldChanged, this,
        [](bool folded) { Settings().folded_now = folded; });

    // Without back.png beside the program the window paints no body.
    back_ = QPixmap(ProgramLayout().SharedFile(QStringLiteral("back.png")));
    title_icon_ = QPixmap(QStringLiteral(":/image/paste.png"));
    dragon_ = QPixmap(QStringLiteral(":/image/dragon.png"));
}

QHBoxLayout* main_window::BuildTitleRow(QWidget* central)
{
    // Title row: the caption is painted at its left; controls and the
    // window buttons on the right.
    auto* title_row = new QHBoxLayout;
    title_row->setSpacing(6);
    title_row->addStretch(1);
    language_button_ = new switch_button(
        { QStringLiteral("Tap here to switch languages"), QStringLiteral("点按此处切换语言"),
            QStringLiteral("點按此處切換語言"),
            QStringLiteral("言語を切り替えるには、ここをタップしてください"),
            QStringLiteral("언어를 전환하려면 여기를 탭하세요."),
            QStringLiteral("Appuyez ici pour changer de langue"),
            QStringLiteral("Tippen Sie hier, um die Sprache zu wechseln") },
        { QStringLiteral("english.png"), QStringLiteral("chinese.png"),
            QStringLiteral("chinese_tw.png"), QStringLiteral("japanese.png"),
            QStringLiteral("korean.png"), QStringLiteral("french.png"),
            QStringLiteral("german.png") },
        false, central);
    recording_button_
        = new switch_button({ tr("点按此处开启剪贴板记录"), tr("点按此处暂停剪贴板记录") },
            { QStringLiteral("off.png"), QStringLiteral("on.png") }, true, central);
    day_night_button_
        = new switch_button({ tr("点按此处开启夜间模式"), tr("点按此处开启昼间模式") },
            { QStringLiteral("sun.png"), QStringLiteral("moon.png") }, true, central);
    settings_button_ = new QPushButton(QStringLiteral("\u2699"), central);
    settings_button_->setObjectName(QStringLiteral("settings_button"));
    settings_button_->setToolTip(tr("点按此处打开设置界面"));
    for (QPushButton* button : std::initializer_list<QPushButton*> {
             language_button_, recording_button_, day_night_button_, settings_button_ }) {
        button->setFixedSize(32, 32);
        button->setFocusPolicy(Qt::NoFocus);
        title_row->addWidget(button);
    }
    title_row->addSpacing(8);
    min_button_ = WindowButton("min_button", central);
    max_button_ = WindowButton("max_button", central);
    close_button_ = WindowButton("close_button", central);
    close_button_->setShortcut(QKeySequence(Qt::Key_Escape));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(min_button_);
    buttons->addWidget(max_button_);
    buttons->addWidget(close_button_);
    title_row->addLayout(buttons);
    return title_row;
}

QHBoxLayout* main_window::BuildToolRow(QWidget* central)
{
    // Search, type tabs and today's count.
    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(12, 0, 12, 0);
    tools->setSpacing(10);
    search_box_ = new QLineEdit(central);
    search_box_->setObjectName(QStringLiteral("search_box"));
    search_box_->setPlaceholderText(tr("请输入搜索内容"));
    search_box_->addAction(QIcon(QStringLiteral(":/image/search.png")), QLineEdit::LeadingPosition);
    search_box_->setMinimumSize(130, 40);
    search_box_->setMaximumSize(qMax(130, default_size_.width() - 380), 40);
    tools->addWidget(search_box_, 1);
    tab_strip_ = new image_tab_widget(central);
    tab_strip_->setMinimumSize(250, 30);
    tab_strip_->setMaximumHeight(34);
    tab_strip_->setToolTip(tr("点按此处不同区域切换显示类型"));
    for (const auto& [image, value] : { std::pair { ":/image/all_flag.png", content_all },
             { ":/image/text_flag.png", content_text }, { ":/image/image_flag.png", content_image },
             { ":/image/file_flag.png", content_file },
             { ":/image/favourite_flag.png", content_favourite } })
        tab_strip_->addArea(image_tab_widget::area::Make(QLatin1String(image), value));
    tools->addWidget(tab_strip_, 1);
    counter_label_ = new QLabel(central);
    counter_label_->setObjectName(QStringLiteral("counter_label"));
    tools->addWidget(counter_label_);
    return tools;
}

void main_window::BuildTray()
{
    tray_menu_ = new QMenu(this);
    QAction* login = tray_menu_->addAction(tr("登录"));
    login->setToolTip(tr("开启剪贴板纪录全平台同步"));
    QAction* settings = tray_menu_->addAction(tr("设定"));
    settings->setToolTip(tr("设置程序的相关功能"));
    QAction* quit = tray_menu_->addAction(tr("退出"));
    quit->setToolTip(tr("退出程序"));
    tray_menu_->setToolTipsVisible(true);
    tray_menu_->setWindowFlags(
        tray_menu_->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    tray_menu_->setAttribute(Qt::WA_TranslucentBackground);
    connect(quit, &QAction::triggered, this, &main_window::Quit);
    connect(login, &QAction::triggered, this, &main_window::OpenLoginWidget);
    connect(settings, &QAction::triggered, this, &main_window::OpenSettingWidget);

    tray_icon_ = std::make_shared<QSystemTrayIcon>(this);
    tray_icon_->setIcon(QIcon(ProgramLayout().SharedFile(QStringLiteral("icon.png"))));
    tray_icon_->setToolTip(caption_);
    tray_icon_->setContextMenu(tray_menu_);
    connect(tray_icon_.get(), &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
            SystemTrayIconClicked(static_cast<int>(reason));
        });
    tray_icon_->show();
}
