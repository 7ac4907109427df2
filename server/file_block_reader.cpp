#include "server/file_block_reader.h"

#include "server/server_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace syncd {

file_block_reader::~file_block_reader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool file_block_reader::Read(std::size_t max, std::string& out, bool& eof)
{
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) {
            log_event("cannot open " + path_ + " to send it: " + std::strerror(errno));
            return false;
        }
    }
    out.resize(max);
    std::size_t got = 0;
    eof = false;
    while (got < max) {
        const ssize_t n = ::read(fd_, out.data() + got, max - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            log_event("cannot read " + path_ + ": " + std::strerror(errno));
            out.clear();
            return false;
        }
        if (n == 0) {
            eof = true;
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return true;
}

} // namespace syncd
