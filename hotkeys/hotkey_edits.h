// What the hotkey editor edits, without the window: the five cycling texts
// and the five fixed-slot prefixes, the type and page chosen, and the text a
// key press makes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class hotkey_edits {
public:
    enum page { cycling_page = 0, fixed_slot_page = 1 };

    // Five texts each, in settings order (all, text, image, file,
    // favourites); missing ones are empty.
    hotkey_edits(std::vector<std::string> cycling, std::vector<std::string> fixed_slot);

    // A key press (Qt key and keyboard modifiers): modifiers in the order
    // Alt, Ctrl, Shift, Win, then the key when it is a digit or a letter;
    // "1~9" follows on the fixed-slot page. Stored for the chosen type and
    // page; returns the stored text.
    std::string Capture(int qt_key, int qt_modifiers);

    // A type tab by its view code (3 all, 0 text, 1 image, 2 file, 4
    // favourites); false when it is the type already chosen or no type.
    bool ChooseType(std::int64_t view);
    void ChoosePage(page p) { page_ = p; }

    // On close: true when the last key press held a modifier, so the edits
    // are worth handing on.
    bool Close();

    std::size_t type() const { return type_; }
    page current_page() const { return page_; }
    // The text beside "循环热键": the last capture, or the cycling text of a
    // type just chosen.
    const std::string& key_label() const { return key_label_; }
    // What a page tab shows for the chosen type.
    const std::string& PageText(page p) const;
    const std::vector<std::string>& cycling() const { return cycling_; }
    const std::vector<std::string>& fixed_slot() const { return fixed_slot_; }

private:
    std::vector<std::string> cycling_;
    std::vector<std::string> fixed_slot_;
    std::size_t type_ = 0;
    page page_ = cycling_page;
    std::string key_label_;
    int modifier_count_ = 0;
    // The key label holds a cycling text only after a capture on that page.
    page last_capture_page_ = cycling_page;
};
