#include "widgets/counter_button.h"

#include "core/message_ids.h"

counter_button::counter_button(std::int64_t* index, const QStringList& texts, QWidget* parent)
    : QPushButton(parent)
    , index_(index)
    , texts_(texts)
{
    if (index_ && (*index_ < 0 || *index_ >= texts_.size()))
        *index_ = 0;
    if (index_ && !texts_.isEmpty())
        setText(texts_[static_cast<int>(*index_)]);
    setStyleSheet(QStringLiteral("counter_button {   background-color: rgb(113, 113, 113);   "
                                 "border-radius: 3px;   color: white;   font-family: 'Microsoft "
                                 "YaHei';   font-weight: bold;}"));
    setFixedSize(20, 20);
    connect(this, &QPushButton::clicked, this, &counter_button::onButtonClicked);
    token_ = bus::Register(msg_control_toggled,
        [this](std::int64_t id, std::int64_t a, std::int64_t b) { return OnMessage(id, a, b); });
}

counter_button::~counter_button()
{
    // The bus outlives every button; a post after this must not reach us.
    bus::Unregister(token_);
}

QString counter_button::DarkSheet()
{
    return QStringLiteral("counter_button {background-color: rgb(113, 113, 113);border-radius: "
                          "3px;color: white;font-family: 'Microsoft YaHei';font-weight: bold;}");
}

QString counter_button::LightSheet()
{
    return QStringLiteral("counter_button {background-color: rgb(223, 223, 223);border-radius: "
                          "3px;color: black;font-family: 'Microsoft YaHei';font-weight: bold;}");
}

void counter_button::onButtonClicked()
{
    if (!index_ || texts_.isEmpty())
        return;
    const std::int64_t count = texts_.size();
    // The caller may have written the field since; a value out of range restarts at 0.
    const std::int64_t current = (*index_ >= 0 && *index_ < count) ? *index_ : 0;
    *index_ = (current + 1) % count;
    setText(texts_[static_cast<int>(*index_)]);
}

std::int64_t counter_button::OnMessage(std::int64_t, std::int64_t a, std::int64_t b)
{
    if (a != control_dark_mode_switch && a != control_day_night_button)
        return 0;
    setStyleSheet(b != 0 ? DarkSheet() : LightSheet());
    update();
    return 0;
}
