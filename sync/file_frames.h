// A file as the frames that carry it: pieces of at most 1024 bytes whose tags are a step
// digit and the file's name ('1' opens the file, '2' appends, '4' closes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wire {

// Appends the chunk frames of bytes to out. first: these bytes start the file, so the first
// piece carries '1', also when bytes is empty (the receiver then creates an empty file).
// Returns false, appending nothing, when the name does not fit a tag.
bool AppendFileChunks(
    std::string& out, std::uint8_t kind, std::string_view name, std::string_view bytes, bool first);

// Appends the end frame: tag '4' + name, no payload.
bool AppendFileEnd(std::string& out, std::uint8_t kind, std::string_view name);

// The whole file: its chunks, then its end frame.
bool AppendFile(std::string& out, std::uint8_t kind, std::string_view name, std::string_view bytes);

// A bare notification frame of kind, all fields empty.
bool AppendNotification(std::string& out, std::uint8_t kind);

} // namespace wire
