#include "hotkeys/hotkey_widget.h"

#include "actions/popup_frame.h"
#include "core/message_ids.h"
#include "history/content_record.h"
#include "widgets/image_tab_widget.h"
#include "widgets/switch_button.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

hotkey_widget::hotkey_widget(QWidget* anchor, std::vector<std::string> cycling,
    std::vector<std::string> fixed_slot, bool enable_hotkey)
    : show_widget(popup_frame::close, anchor)
    , edits_(std::move(cycling), std::move(fixed_slot))
    , enable_switch_(new switch_button({ tr("点按此处开启全局热键"), tr("点按此处关闭全局热键") },
          { QStringLiteral("off.png"), QStringLiteral("on.png") }, true, this))
    , type_strip_(new image_tab_widget(this))
    , page_strip_(new image_tab_widget(this))
    , key_label_(new QLabel(this))
{
    setTitle(tr("请设定区域快捷键"));
    setWindowTitle(title());
    setFixedSize(320, 220);
    setAttribute(Qt::WA_ShowModal);
    // Every key press is a capture, so the popup keeps the focus; its
    // buttons would take Space and the arrows for themselves.
    setFocusPolicy(Qt::StrongFocus);
    enable_switch_->setFocusPolicy(Qt::NoFocus);
    enable_switch_->setFixedSize(40, 20);
    enable_switch_->setState(enable_hotkey ? 1 : 0);

    type_strip_->setMinimumSize(250, 30);
    type_strip_->setToolTip(tr("点按此处设定对应区域的快捷键"));
    for (const auto& [image, view] : { std::pair { ":/image/all_flag.png", content_all },
             { ":/image/text_flag.png", content_text }, { ":/image/image_flag.png", content_image },
             { ":/image/file_flag.png", content_file },
             { ":/image/favourite_flag.png", content_favourite } })
        type_strip_->addArea(image_tab_widget::area::Make(QLatin1String(image), view));
    page_strip_->setMinimumSize(250, 30);
    page_strip_->setToolTip(tr("点击左侧设置循环切换项目热键，选中右侧设置固定项目热键"));
    page_strip_->addArea(image_tab_widget::area::Make(QString(), hotkey_edits::cycling_page, 1));
    page_strip_->addArea(image_tab_widget::area::Make(QString(), hotkey_edits::fixed_slot_page, 1));

    auto* enable_row = new QHBoxLayout;
    enable_row->addWidget(new QLabel(tr("开启热键"), this));
    enable_row->addWidget(enable_switch_);
    enable_row->addStretch();
    auto* key_row = new QHBoxLayout;
    key_row->addWidget(key_label_);
    key_row->addWidget(new QLabel(tr("循环热键"), this));
    auto* column = new QVBoxLayout;
    column->setContentsMargins(20, 0, 20, 0);
    column->addLayout(enable_row);
    column->addWidget(type_strip_);
    column->addWidget(page_strip_);
    column->addLayout(key_row);
    content_layout()->addLayout(column);

    connect(enable_switch_, &switch_button::toggled, this,
        [](int state) { bus::Post(msg_control_toggled, control_hotkey_enable_switch, state); });
    connect(type_strip_, &image_tab_widget::chosen, this,
        [](qint64 view) { bus::Post(msg_hotkey_tab_chosen, view, 0); });
    connect(page_strip_, &image_tab_widget::chosen, this,
        [this](qint64 page) { edits_.ChoosePage(static_cast<hotkey_edits::page>(page)); });
    token_
        = bus::Register(msg_hotkey_tab_chosen, [this](std::int64_t, std::int64_t a, std::int64_t) {
              OnTypeChosen(a);
              return std::int64_t { 0 };
          });
    ShowTexts();
}

hotkey_widget::~hotkey_widget()
{
    bus::Unregister(token_);
}

void hotkey_widget::keyPressEvent(QKeyEvent* event)
{
    // Escape closes; taken as a capture it would drop the edits.
    if (event->key() == Qt::Key_Escape) {
        closeWidget();
        return;
    }
    edits_.Capture(event->key(), static_cast<int>(event->modifiers()));
    ShowTexts();
}

void hotkey_widget::OnTypeChosen(std::int64_t view)
{
    if (!edits_.ChooseType(view))
        return;
    type_strip_->selectValue(view);
    ShowTexts();
}

void hotkey_widget::ShowTexts()
{
    key_label_->setText(QString::fromStdString(edits_.key_label()));
    for (const hotkey_edits::page p : { hotkey_edits::cycling_page, hotkey_edits::fixed_slot_page })
        page_strip_->setArea(static_cast<std::size_t>(p),
            image_tab_widget::area::Make(
                QString::fromStdString(edits_.PageText(p)), static_cast<std::int64_t>(p), 1));
}

void hotkey_widget::closeWidget()
{
    if (edits_.Close()) {
        std::vector<std::string> cycling = edits_.cycling();
        std::vector<std::string> fixed_slot = edits_.fixed_slot();
        bus::Post(msg_hotkeys_edited, reinterpret_cast<std::int64_t>(&cycling),
            reinterpret_cast<std::int64_t>(&fixed_slot));
    }
    show_widget::closeWidget();
}
