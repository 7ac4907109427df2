// What the pinned image and text windows share: no title bar and no
// activation, an 8-pixel border to resize them by, a 24 x 24 close button
// in the top-right corner, and their top 44 pixels to drag them by.
#pragma once

#include "actions/show_widget.h"

class QPushButton;
class window_chrome;

class pinned_widget : public show_widget {
    Q_OBJECT
public:
    static constexpr int minimum_side = 44;

    // with_close_button: the hover preview, which the pointer never reaches, has none.
    pinned_widget(QWidget* anchor, int button_mask, bool with_close_button);

    QPushButton* close_button() const { return close_; }

public slots:
    void beforeShow() override;

protected:
    bool resizing() const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceCloseButton();

    window_chrome* chrome_;
    QPushButton* close_ = nullptr;
};
