#include "sync/file_name_check.h"

namespace wire {

bool is_plain_file_name(std::string_view name)
{
    if (name.empty() || name.size() > max_file_name || name == "." || name == "..")
        return false;
    for (unsigned char c : name) {
        // ':' would name a drive or a data stream on Windows.
        if (c < 0x20 || c == 0x7f || c == '/' || c == '\\' || c == ':')
            return false;
    }
    return true;
}

} // namespace wire
