// A yes/no question over a window: "是" posts the confirm id on the bus,
// "否", Esc and every other close post the cancel id.
#pragma once

#include "actions/show_widget.h"
#include "core/message_bus.h"

#include <cstdint>

class QLabel;
class QPushButton;

class prompt_widget : public show_widget {
    Q_OBJECT
public:
    prompt_widget(
        QWidget* anchor, const QString& text, std::int64_t confirm_id, std::int64_t cancel_id);
    ~prompt_widget() override;

    QPushButton* yes_button() const { return yes_; }
    QPushButton* no_button() const { return no_; }
    QLabel* label() const { return label_; }

    void Restyle(bool dark);

public slots:
    void closeWidget() override;

private:
    void Confirm();

    QLabel* label_;
    QPushButton* yes_;
    QPushButton* no_;
    std::int64_t confirm_id_;
    std::int64_t cancel_id_;
    bus::Token token_ = 0;
};
