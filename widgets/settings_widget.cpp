#include "widgets/settings_widget.h"

#include "actions/popup_frame.h"
#include "core/message_ids.h"
#include "core/program_layout.h"
#include "hotkeys/hotkey_widget.h"
#include "widgets/counter_button.h"
#include "widgets/switch_button.h"
#include "widgets/theme_sheets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QString HotkeyButtonSheet()
{
    return QStringLiteral(
        ".QPushButton{font-family:'Microsoft YaHei';font-weight:bold;font-size:16px;"
        "border:0px solid #E4E4E4;color:#1ABC9C;padding:4px 10px;min-height:28px;"
        "border-radius:5px;background:rgba(0, 0, 0, 0);}"
        ".QPushButton:hover{background:rgba(190, 190, 190, 110);}"
        ".QPushButton:pressed{background:rgba(150, 150, 150, 100);}");
}

// Labels and check-box texts in the colour of the theme's own texts, so
// that they read on the dark body too.
QString ControlSheet(bool dark)
{
    return QStringLiteral("QLabel{font-family:'Microsoft YaHei';font-size:16px;color:%1;}"
                          "QCheckBox{color:%1;}"
                          "QCheckBox::indicator{width:16px;height:16px;}"
                          "QCheckBox::indicator:unchecked,QCheckBox::indicator:indeterminate"
                          "{image:url(:/image/check_g.png);}"
                          "QCheckBox::indicator:checked,QCheckBox::indicator:checked:disabled"
                          "{image:url(:/image/check_y.png);}")
        .arg(dark ? QStringLiteral("#F2F2F4") : QStringLiteral("black"));
}

QHBoxLayout* Row(int top, int bottom)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(20);
    row->setContentsMargins(55, top, 55, bottom);
    return row;
}

} // namespace

settings_widget::settings_widget(QWidget* anchor, const settings_record& current)
    : show_widget(popup_frame::close, anchor)
    , edits_(current)
{
    setObjectName(QStringLiteral("settings_widget"));
    setTitle(tr("设定"));
    // Found by its title, as the other windows are.
    setWindowTitle(tr("设定"));
    setAttribute(Qt::WA_ShowModal);
    column_ = new QVBoxLayout;
    column_->setSpacing(0);
    content_layout()->addLayout(column_);
    BuildControls();
    BuildSliders();
    BuildNightRow();
    // As large as its controls, in whatever language they speak.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const auto handler = [this](std::int64_t id, std::int64_t a, std::int64_t b) {
        OnMessage(id, a, b);
        return std::int64_t { 0 };
    };
    tokens_.push_back(bus::Register(msg_hotkeys_edited, handler));
    tokens_.push_back(bus::Register(msg_control_toggled, handler));
    ShowControls();
}

settings_widget::~settings_widget()
{
    for (bus::Token token : tokens_)
        bus::Unregister(token);
    // A popup has no parent: it goes with the window that made it.
    delete hotkey_editor_;
}

void settings_widget::BuildControls()
{
    hotkey_button_ = new QPushButton(this);
    hotkey_button_->setStyleSheet(HotkeyButtonSheet());
    connect(hotkey_button_, &QPushButton::clicked, this, &settings_widget::OpenHotkeyEditor);
    column_->addWidget(hotkey_button_, 0, Qt::AlignHCenter);

    QHBoxLayout* row = Row(5, 5);
    row->addWidget(new QLabel(tr("存储类型"), this));
    column_->addLayout(row);
    row = nullptr;
    for (const settings_edits::control& c : settings_edits::Controls()) {
        if (c.starts_row || !row) {
            if (row)
                row->addStretch();
            row = Row(5, 5);
            column_->addLayout(row);
        }
        QCheckBox* box = nullptr;
        counter_button* counter = nullptr;
        if (c.index) {
            QStringList labels;
            for (const char* label : c.labels)
                labels << QString::fromLatin1(label);
            counter = new counter_button(labels, this);
            counter->setToolTip(tr(c.tool_tip));
            connect(counter, &counter_button::indexChanged, this,
                [this, field = c.index](int index) { edits_.edited().*field = index; });
            row->addWidget(counter);
        } else {
            box = new QCheckBox(tr(c.text), this);
            box->setToolTip(tr(c.tool_tip));
            connect(box, &QCheckBox::toggled, this,
                [this, field = c.flag](bool on) { edits_.edited().*field = on; });
            row->addWidget(box);
        }
        check_boxes_.push_back(box);
        counters_.push_back(counter);
    }
    row->addStretch();
}

void settings_widget::BuildSliders()
{
    for (const settings_edits::slider& s : settings_edits::Sliders()) {
        QHBoxLayout* row = Row(10, 5);
        auto* label = new QLabel(this);
        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setRange(s.minimum, s.maximum);
        slider->setToolTip(tr(s.tool_tip));
        connect(slider, &QSlider::valueChanged, this, [this, &s, label](int value) {
            edits_.edited().*s.field = value;
            label->setText(tr(s.name) + QString::number(value) + QStringLiteral(":"));
        });
        row->addWidget(label);
        row->addWidget(slider, 1);
        column_->addLayout(row);
        sliders_.push_back({ slider, label });
    }
}

void settings_widget::BuildNightRow()
{
    QHBoxLayout* row = Row(5, 5);
    row->addWidget(new QLabel(tr("夜间模式"), this));
    night_switch_ = new switch_button({ tr("点按此处开启夜间模式"), tr("点按此处关闭夜间模式") },
        { QStringLiteral("off.png"), QStringLiteral("on.png") }, true, this);
    night_switch_->setFixedSize(32, 32);
    // Every receiver follows the switch at once: the main window's theme,
    // the other popups, this window's copy and look.
    connect(night_switch_, &switch_button::toggled, this,
        [](int state) { bus::Post(msg_control_toggled, control_dark_mode_switch, state); });
    row->addWidget(night_switch_);
    row->addStretch();
    column_->addLayout(row);
}

void settings_widget::Load(const settings_record& current)
{
    edits_.Load(current);
    ShowControls();
    // Keys start at the first control, so Tab walks them in their order.
    hotkey_button_->setFocus();
}

void settings_widget::ShowControls()
{
    // The copy is complete before the first control speaks: a control that
    // writes its field back writes the value it was given.
    const settings_record shown = edits_.edited();
    const auto& controls = settings_edits::Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (check_boxes_[i])
            check_boxes_[i]->setChecked(shown.*controls[i].flag);
        if (counters_[i])
            counters_[i]->setIndex(static_cast<int>(shown.*controls[i].index));
    }
    const auto& sliders = settings_edits::Sliders();
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        const int value = static_cast<int>(shown.*sliders[i].field);
        sliders_[i].slider->setValue(value);
        // setValue is silent when the value stays.
        sliders_[i].label->setText(
            tr(sliders[i].name) + QString::number(value) + QStringLiteral(":"));
    }
    night_switch_->setState(shown.dark_mode ? 1 : 0);
    ShowHotkey();
    SetDark(shown.dark_mode);
}

void settings_widget::ShowHotkey()
{
    const QString hotkey
        = QString::fromStdString(settings_edits::ShownHotkey(edits_.edited().hotkey));
    hotkey_button_->setText(tr("热键 ➝ ") + hotkey);
    hotkey_button_->setToolTip(
        tr("按下当前全局热键") + hotkey + tr("即可在任意编辑页面\n呼出本剪贴板快速粘贴选中项目"));
}

void settings_widget::SetDark(bool dark)
{
    // A new sheet polishes every control again: only when the theme changed.
    if (dark_shown_ == dark)
        return;
    dark_shown_ = dark;
    const auto theme = theme_sheets::ReadThemeFile(
        theme_sheets::ThemeFilePath(ProgramLayout().shared_folder, dark));
    setStyleSheet(theme.value_or(QString()) + ControlSheet(dark));
    for (counter_button* counter : counters_)
        if (counter)
            counter->SetDark(dark);
    // Wide enough for the largest value in the sheet's font: the sliders do
    // not move as they slide.
    const auto& sliders = settings_edits::Sliders();
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        QLabel* label = sliders_[i].label;
        label->ensurePolished();
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(
            tr(sliders[i].name) + QString::number(sliders[i].maximum) + QStringLiteral(":")));
    }
    update();
}

void settings_widget::OpenHotkeyEditor()
{
    if (!hotkey_editor_)
        hotkey_editor_ = new hotkey_widget(
            this, edits_.Cycling(), edits_.FixedSlot(), edits_.edited().enable_hotkey);
    // The window's theme and control colours, so its labels read on the dark body too.
    hotkey_editor_->setStyleSheet(styleSheet());
    hotkey_editor_->ShowPopup();
}

void settings_widget::OnMessage(std::int64_t id, std::int64_t a, std::int64_t b)
{
    if (edits_.OnMessage(id, a, b))
        ShowHotkey();
    if (id == msg_control_toggled
        && (a == control_dark_mode_switch || a == control_day_night_button))
        SetDark(b != 0);
}

void settings_widget::closeWidget()
{
    // Once per showing: a second Esc during the fade-out applies nothing twice.
    if (isVisible() && animation().showing())
        bus::Post(msg_settings_applied, reinterpret_cast<std::int64_t>(&edits_.edited()), 0);
    CloseAnimated();
}
