// Reads a stored file block by block on worker threads while it is sent. The file is opened
// at the first read and kept open, so a deletion meanwhile does not cut a transfer short.
#pragma once

#include <cstddef>
#include <string>

namespace syncd {

class file_block_reader {
public:
    explicit file_block_reader(std::string path)
        : path_(std::move(path))
    {
    }
    ~file_block_reader();
    file_block_reader(const file_block_reader&) = delete;
    file_block_reader& operator=(const file_block_reader&) = delete;

    // Up to max bytes into out; eof once the file has no more. False (logged) when the file
    // cannot be opened or read.
    bool Read(std::size_t max, std::string& out, bool& eof);

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace syncd
