// A tiny text button that steps through a list of labels and writes the
// chosen index straight into a settings field.
#pragma once

#include "core/message_bus.h"

#include <cstdint>
#include <QPushButton>
#include <QStringList>

class counter_button : public QPushButton {
    Q_OBJECT
public:
    // index points at the caller's field and must outlive the button. A stored
    // index outside the labels is taken as 0 and written back.
    counter_button(std::int64_t* index, const QStringList& texts, QWidget* parent = nullptr);
    ~counter_button() override;

    static QString DarkSheet();
    static QString LightSheet();

public slots:
    void onButtonClicked();

private:
    std::int64_t OnMessage(std::int64_t id, std::int64_t a, std::int64_t b);

    std::int64_t* index_;
    QStringList texts_;
    bus::Token token_ = 0;
};
