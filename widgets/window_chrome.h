// What a system frame would give a frameless window: the frame flags, the
// 8-pixel resize border with its cursors, maximise/restore, and the title-bar
// looks per state and theme. Installed as the window's own event filter.
#pragma once

#include "widgets/border_resizer.h"
#include "widgets/chrome_style.h"

#include <QObject>
#include <QPointer>
#include <QSize>

class QLayout;
class QPushButton;
class QWidget;

class window_chrome : public QObject {
    Q_OBJECT
public:
    struct options {
        int border = 8;
        // The main window: folds the list on resize, restyles its buttons on
        // state changes and takes over window activation. Pinned windows only resize.
        bool main_window = true;
        // Frameless + system menu + minimise flags, translucent background, a
        // native window at once, mouse tracking and hover events.
        bool setup_frame = true;
        // Applied with the frame; the border never drags the window below it.
        QSize minimum_size { 380, 480 };
    };

    window_chrome(QWidget* window, options opts);

    // The title-bar buttons that RestyleChrome dresses; any may be null.
    void SetButtons(QPushButton* min, QPushButton* max, QPushButton* close);
    // The title row whose margins follow the window width, measured against
    // the default width of the window.
    void SetTitleRow(QLayout* row, int default_width);
    // Layouts that get the outer and inner margins of the current state.
    void SetMarginLayouts(QLayout* outer, QLayout* inner);

    // The theme of the title-bar buttons; restyles them at once. Light until told.
    void SetDark(bool dark);
    // Whether a resize of the main window folds and unfolds the list; off until told.
    void SetAutoFold(bool auto_fold);
    // The list's folded state as the owner knows it; a resize steps on from it.
    // Setting it reports nothing.
    void SetFolded(bool folded);
    bool folded() const { return folded_; }

    void ToggleMaximize();
    // Buttons, margins and body metrics for the current state and theme.
    void RestyleChrome();
    void RelayTitleRow();

    // Body corner radius (8, 0 when maximised) and inset (1, 0 when maximised).
    int frame_margin() const { return look_.frame_margin; }
    int frame_flag() const { return look_.frame_flag; }
    const resize_zones& zones() const { return resizer_.zones(); }
    bool resizing() const { return resizer_.resizing(); }

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The window became active: re-apply the theme, adjust the list.
    void activated();
    // A maximised window came back to its normal size: adjust the list.
    void restored();
    // Automatic folding changed the folded state: rebuild the list.
    void foldChanged(bool folded);

private:
    void UpdateZones();
    void OnResized();

    QWidget* window_;
    options options_;
    border_resizer resizer_;
    chrome_style::chrome_look look_;
    QPointer<QPushButton> min_;
    QPointer<QPushButton> max_;
    QPointer<QPushButton> close_;
    QPointer<QLayout> title_row_;
    QPointer<QLayout> outer_;
    QPointer<QLayout> inner_;
    int default_width_ = 900;
    bool dark_ = false;
    bool auto_fold_ = false;
    bool folded_ = false;
};
