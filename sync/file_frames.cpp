#include "sync/file_frames.h"

#include "sync/frame_builder.h"
#include "sync/wire_format.h"
#include "sync/wire_kinds.h"

#include <algorithm>

namespace wire {

namespace {

bool AppendFrame(std::string& out, std::uint8_t kind, char step, std::string_view name,
    const char* data, std::size_t length)
{
    std::string tag(1, step);
    tag.append(name);
    frame_buffer message;
    if (!build_frame(message, kind, {}, {}, tag, data, length))
        return false;
    out.append(message.data(), message.length());
    return true;
}

} // namespace

bool AppendFileChunks(
    std::string& out, std::uint8_t kind, std::string_view name, std::string_view bytes, bool first)
{
    if (name.size() + 1 > max_tag_text)
        return false;
    if (bytes.empty() && !first)
        return true;
    std::size_t done = 0;
    do {
        const std::size_t piece = std::min(max_payload, bytes.size() - done);
        const char step = first && done == 0 ? step_first : step_next;
        AppendFrame(out, kind, step, name, bytes.data() + done, piece);
        done += piece;
    } while (done < bytes.size());
    return true;
}

bool AppendFileEnd(std::string& out, std::uint8_t kind, std::string_view name)
{
    return AppendFrame(out, kind, step_end, name, nullptr, 0);
}

bool AppendFile(std::string& out, std::uint8_t kind, std::string_view name, std::string_view bytes)
{
    return AppendFileChunks(out, kind, name, bytes, true) && AppendFileEnd(out, kind, name);
}

bool AppendNotification(std::string& out, std::uint8_t kind)
{
    frame_buffer message;
    if (!build_frame(message, kind, {}, {}, {}, nullptr, 0))
        return false;
    out.append(message.data(), message.length());
    return true;
}

} // namespace wire
