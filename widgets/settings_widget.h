// The settings window: a modal popup whose controls edit a working copy of
// the settings, handed back whole with msg_settings_applied when it closes.
// Its bus handler takes the night switch and the hotkey editor's edits into
// the copy. The copy and what each control writes live in settings_edits.
#pragma once

#include "actions/show_widget.h"
#include "core/message_bus.h"
#include "widgets/settings_edits.h"

#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QVBoxLayout;
class counter_button;
class hotkey_widget;
class switch_button;

class settings_widget : public show_widget {
    Q_OBJECT
public:
    // Built hidden, from the settings as they are; anchor: the main window.
    settings_widget(QWidget* anchor, const settings_record& current);
    ~settings_widget() override;

    // Before every show: the copy taken again from the settings as they are
    // now, and every control set from it.
    void Load(const settings_record& current);
    const settings_record& edited() const { return edits_.edited(); }

    QPushButton* hotkey_button() const { return hotkey_button_; }
    // Made on the first click of the hotkey button.
    hotkey_widget* hotkey_editor() const { return hotkey_editor_; }
    switch_button* night_switch() const { return night_switch_; }
    QSlider* slider(std::size_t i) const { return sliders_.at(i).slider; }
    QLabel* slider_label(std::size_t i) const { return sliders_.at(i).label; }

public slots:
    // Posts the copy with msg_settings_applied, then fades out.
    void closeWidget() override;

private:
    struct slider_row {
        QSlider* slider;
        QLabel* label;
    };

    void BuildControls();
    void BuildSliders();
    void BuildNightRow();
    void ShowControls();
    void ShowHotkey();
    void SetDark(bool dark);
    void OpenHotkeyEditor();
    void OnMessage(std::int64_t id, std::int64_t a, std::int64_t b);

    settings_edits edits_;
    QVBoxLayout* column_ = nullptr;
    QPushButton* hotkey_button_ = nullptr;
    // Parallel to settings_edits::Controls().
    std::vector<QCheckBox*> check_boxes_;
    std::vector<counter_button*> counters_;
    // Parallel to settings_edits::Sliders().
    std::vector<slider_row> sliders_;
    switch_button* night_switch_ = nullptr;
    hotkey_widget* hotkey_editor_ = nullptr;
    std::optional<bool> dark_shown_;
    std::vector<bus::Token> tokens_;
};
