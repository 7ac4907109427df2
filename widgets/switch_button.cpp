#include "widgets/switch_button.h"

#include "resources/images.h"

switch_button::switch_button(
    const QStringList& tooltips, const QStringList& images, bool self_advance, QWidget* parent)
    : QPushButton(parent)
    , images_(images)
    , tooltips_(tooltips)
    , self_advance_(self_advance)
{
    images::Init();
    setState(0);
    connect(this, &QPushButton::clicked, this, &switch_button::OnClicked);
}

void switch_button::setState(int state)
{
    state_ = state;
    if (state < 0 || state >= images_.size())
        return;
    const QString url = QStringLiteral("url(:/image/") + images_[state] + QStringLiteral(")");
    setStyleSheet(QStringLiteral("QPushButton{border:none;background-image:%1;}"
                                 "QPushButton:hover{background-image:%1;}"
                                 "QPushButton:pressed{background-image:%1;}")
                      .arg(url));
    if (state < tooltips_.size())
        setToolTip(tooltips_[state]);
}

void switch_button::OnClicked()
{
    if (self_advance_ && !tooltips_.isEmpty()) {
        int next = state_ + 1;
        if (next >= tooltips_.size())
            next = 0;
        setState(next);
    }
    emit toggled(state_);
}
