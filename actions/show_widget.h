// The frameless popup every secondary window is built on: a painted rounded
// frame with a title strip to drag it by, title-bar buttons chosen by a
// mask, and a fade-and-slide in when shown and out when closed.
#pragma once

#include "actions/popup_animation.h"

#include <cstdint>
#include <map>
#include <memory>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QPushButton;
class QTimer;

class show_widget : public QWidget {
    Q_OBJECT
public:
    // button_mask: bits of popup_frame::button, or popup_frame::no_title_bar.
    // anchor: the window the popup is centred over; not its parent.
    show_widget(int button_mask, QWidget* anchor);
    ~show_widget() override;

    // Centred over the anchor, fades in sliding down, then goes topmost.
    void ShowPopup();

    void setTitle(const QString& title);
    const QString& title() const { return title_; }
    int button_mask() const { return button_mask_; }
    QPushButton* title_button(int which) const;
    const popup_animation& animation() const { return animation_; }
    bool animating() const;

public slots:
    // Fades out sliding up, then hides. A popup with delete-on-close is
    // deleted once hidden, so closed pins do not pile up.
    virtual void closeWidget();
    virtual void beforeShow() { }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // The fade-out of the base, for overrides of closeWidget.
    void CloseAnimated();
    // A border resize is under way: the press is not a title drag.
    virtual bool resizing() const { return false; }

    QHBoxLayout* content_layout() const { return content_layout_; }
    QWidget* anchor() const { return anchor_; }
    const QPixmap& background() const { return background_; }

private:
    void StartAnimation();
    void Step();

    int button_mask_;
    QPointer<QWidget> anchor_;
    QString title_;
    QPixmap background_;
    QPixmap title_icon_;
    QHBoxLayout* content_layout_ = nullptr;
    std::map<int, QPushButton*> buttons_;
    bool dragging_ = false;
    QPoint press_;
    QPoint frame_origin_;
    popup_animation animation_;
    // Replaced on every start; the old timer dies with its last owner.
    std::shared_ptr<QTimer> timer_;
};
