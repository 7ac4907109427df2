// A yes/no question over a window: "是" posts the confirm id on the bus,
// "否", Esc and every other close post the cancel id.
#pragma once

#include "actions/showwidget.h"
#include "core/message_bus.h"

#include <cstdint>

class QLabel;
class QPushButton;

class promptwidget : public showwidget {
    Q_OBJECT
public:
    promptwidget(
        QWidget* anchor, const QString& text, std::int64_t confirm_id, std::int64_t cancel_id);
    ~promptwidget() override;

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
