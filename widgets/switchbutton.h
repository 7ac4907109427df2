// An image button that steps through a fixed list of states and announces
// every click on the bus as msg_control_toggled (id, state).
#pragma once

#include <cstdint>
#include <QPushButton>
#include <QStringList>

class switchbutton : public QPushButton {
    Q_OBJECT
public:
    // images: one name per state under ":/image/"; tooltips: one per state,
    // their count is the number of states.
    switchbutton(std::int64_t id, const QStringList& tooltips, const QStringList& images,
        bool self_advance, QWidget* parent = nullptr);

    // Shows the image and tool tip of the state; a state without an image is
    // stored but changes nothing on screen.
    void setState(int state);
    int state() const { return state_; }
    std::int64_t id() const { return id_; }

private:
    void OnClicked();

    int state_ = 0;
    std::int64_t id_;
    QStringList images_;
    QStringList tooltips_;
    bool self_advance_;
};
