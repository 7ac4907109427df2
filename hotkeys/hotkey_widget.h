// The hotkey editor: a popup in which the user picks, per view, the cycling
// hotkey and the prefix of the nine fixed-slot hotkeys, and switches global
// hotkeys on or off. It edits texts only; on close after a press with a
// modifier it posts msg_hotkeys_edited with a and b pointing at the five
// cycling and the five fixed-slot texts (std::vector<std::string>, settings
// order), valid during the post.
#pragma once

#include "actions/show_widget.h"
#include "core/message_bus.h"
#include "hotkeys/hotkey_edits.h"

#include <string>
#include <vector>

class QLabel;
class image_tab_widget;
class switch_button;

class hotkey_widget : public show_widget {
    Q_OBJECT
public:
    hotkey_widget(QWidget* anchor, std::vector<std::string> cycling,
        std::vector<std::string> fixed_slot, bool enable_hotkey);
    ~hotkey_widget() override;

    const hotkey_edits& edits() const { return edits_; }
    QLabel* key_label() const { return key_label_; }
    image_tab_widget* type_strip() const { return type_strip_; }
    image_tab_widget* page_strip() const { return page_strip_; }
    switch_button* enable_switch() const { return enable_switch_; }

public slots:
    void closeWidget() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnTypeChosen(std::int64_t view);
    void ShowTexts();

    hotkey_edits edits_;
    switch_button* enable_switch_;
    image_tab_widget* type_strip_;
    image_tab_widget* page_strip_;
    QLabel* key_label_;
    bus::Token token_ = 0;
};
