#include "widgets/counter_button.h"

counter_button::counter_button(const QStringList& texts, QWidget* parent)
    : QPushButton(parent)
    , texts_(texts)
{
    setIndex(0);
    setStyleSheet(DarkSheet());
    setFixedSize(20, 20);
    connect(this, &QPushButton::clicked, this, &counter_button::onButtonClicked);
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

void counter_button::setIndex(int index)
{
    index_ = (index >= 0 && index < texts_.size()) ? index : 0;
    if (!texts_.isEmpty())
        setText(texts_[index_]);
}

void counter_button::SetDark(bool dark)
{
    setStyleSheet(dark ? DarkSheet() : LightSheet());
    update();
}

void counter_button::onButtonClicked()
{
    if (texts_.isEmpty())
        return;
    setIndex((index_ + 1) % texts_.size());
    emit indexChanged(index_);
}
