#include "server/incoming_file.h"

#include "server/server_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace syncd {

bool incoming_file::Start(std::string path)
{
    Abandon();
    path_ = std::move(path);
    size_ = 0;
    md5_ = wire::md5_stream();
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        log_event("cannot create " + path_ + ": " + std::strerror(errno));
        path_.clear();
        return false;
    }
    return true;
}

bool incoming_file::Append(std::string_view data)
{
    if (fd_ < 0)
        return false;
    md5_.Add(data);
    size_ += data.size();
    while (!data.empty()) {
        const ssize_t n = ::write(fd_, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            log_event("cannot write " + path_ + ": " + std::strerror(errno));
            Abandon();
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool incoming_file::Finish(std::string& finished_path)
{
    if (fd_ < 0)
        return false;
    // On disk before the rename makes it the stored file: a crash leaves the old or the new.
    if (::fdatasync(fd_) != 0) {
        log_event("cannot flush " + path_ + ": " + std::strerror(errno));
        Abandon();
        return false;
    }
    ::close(fd_);
    fd_ = -1;
    finished_path = std::move(path_);
    path_.clear();
    return true;
}

void incoming_file::Abandon()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!path_.empty())
        ::unlink(path_.c_str());
    path_.clear();
    size_ = 0;
}

} // namespace syncd
