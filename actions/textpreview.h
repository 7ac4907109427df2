// A text pinned on screen in a window of its own, in the current theme.
#pragma once

#include "actions/pinnedwidget.h"
#include "core/message_bus.h"

class QTextEdit;

class textpreview : public pinnedwidget {
    Q_OBJECT
public:
    textpreview(QWidget* anchor, int button_mask);
    ~textpreview() override;

    // A pinned text: deleted once closed, 400 x 600, shown over anchor.
    static textpreview* Pin(QWidget* anchor, const QString& text);

    void setText(const QString& text);
    QTextEdit* text_edit() const { return edit_; }
    void Restyle();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTextEdit* edit_;
    bus::Token token_ = 0;
};
