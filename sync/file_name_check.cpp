#include "sync/file_name_check.h"

namespace wire {

bool IsPlainFileName(std::string_view name)
{
    if (name.empty() || name.size() > max_file_name || name == "." || name == "..")
        return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7f)
            return false;
    }
    return true;
}

} // namespace wire
