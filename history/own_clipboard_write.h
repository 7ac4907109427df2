// The program's own clipboard writes are not captured: whoever writes marks it
// first, and the change notice that follows consumes the mark.
#pragma once

#include <utility>

class own_clipboard_write {
public:
    void Mark() { pending_ = true; }
    bool pending() const { return pending_; }
    // True once for a marked write.
    bool Take() { return std::exchange(pending_, false); }

private:
    bool pending_ = false;
};
