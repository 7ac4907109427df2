// An image button that steps through a fixed list of states and reports
// every click with the state it shows afterwards.
#pragma once

#include <QPushButton>
#include <QStringList>

class switch_button : public QPushButton {
    Q_OBJECT
public:
    // images: one name per state under ":/image/"; tooltips: one per state,
    // their count is the number of states. A self-advancing switch steps to
    // the next state (wrapping to 0) before it reports a click; the other
    // kind reports its unchanged state and leaves the stepping to its owner.
    switch_button(const QStringList& tooltips, const QStringList& images, bool self_advance,
        QWidget* parent = nullptr);

    // Shows the image and tool tip of the state; a state without an image is
    // stored but changes nothing on screen. Reports nothing.
    void setState(int state);
    int state() const { return state_; }

signals:
    // Hides QAbstractButton::toggled(bool), which this unchecked button never sends.
    void toggled(int state);

private:
    void OnClicked();

    int state_ = 0;
    QStringList images_;
    QStringList tooltips_;
    bool self_advance_;
};
