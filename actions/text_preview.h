// A text pinned on screen in a window of its own, in the current theme.
#pragma once

#include "actions/pinned_widget.h"
#include "core/message_bus.h"

class QTextEdit;

class text_preview : public pinned_widget {
    Q_OBJECT
public:
    text_preview(QWidget* anchor, int button_mask);
    ~text_preview() override;

    // A pinned text: deleted once closed, 400 x 600, shown over anchor.
    static text_preview* Pin(QWidget* anchor, const QString& text);

    void setText(const QString& text);
    QTextEdit* text_edit() const { return edit_; }
    void Restyle();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTextEdit* edit_;
    bus::Token token_ = 0;
};
