// One upload being written to disk on a worker thread: appended piece by piece, its size and
// digest kept on the way, flushed to disk before it is moved into place.
#pragma once

#include "sync/md5.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace syncd {

class incoming_file {
public:
    incoming_file() = default;
    ~incoming_file() { Abandon(); }
    incoming_file(const incoming_file&) = delete;
    incoming_file& operator=(const incoming_file&) = delete;

    // Creates path anew; false (logged) when it cannot.
    bool Start(std::string path);
    bool Append(std::string_view data);
    // Flushes and closes; the file is then the caller's, at finished_path. False (logged,
    // file removed) on a write error.
    bool Finish(std::string& finished_path);
    // Closes and removes the file, if any.
    void Abandon();

    bool open() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }
    std::uint64_t size() const { return size_; }
    std::string Md5() { return md5_.Hex(); }

private:
    int fd_ = -1;
    std::string path_;
    std::uint64_t size_ = 0;
    wire::md5_stream md5_;
};

} // namespace syncd
