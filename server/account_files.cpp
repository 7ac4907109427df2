#include "server/account_files.h"

#include "server/server_log.h"

#include <atomic>
#include <cstdio>
#include <filesystem>

namespace syncd {

namespace fs = std::filesystem;

std::string AccountFolderName(std::string_view account)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string folder;
    for (std::size_t i = 0; i < account.size(); ++i) {
        const auto c = static_cast<unsigned char>(account[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
            || (c >= '0' && c <= '9') || c == '_' || c == '@' || c == '-' || (c == '.' && i > 0);
        if (plain) {
            folder += static_cast<char>(c);
        } else {
            folder += '%';
            folder += hex[c >> 4];
            folder += hex[c & 0xf];
        }
    }
    return folder.empty() ? "%" : folder;
}

account_files::account_files(std::string data_folder)
    : files_((fs::path(data_folder) / "files").string())
    , incoming_((fs::path(data_folder) / "incoming").string())
{
}

bool account_files::Prepare()
{
    std::error_code error;
    fs::remove_all(incoming_, error);
    fs::create_directories(incoming_, error);
    if (!error)
        fs::create_directories(files_, error);
    if (error) {
        log_event("cannot prepare the file folders in " + files_ + ": " + error.message());
        return false;
    }
    return true;
}

std::string account_files::PathOf(std::string_view account, std::string_view name) const
{
    return (fs::path(files_) / AccountFolderName(account) / std::string(name)).string();
}

std::string account_files::IncomingPath()
{
    static std::atomic<unsigned long long> next { 0 };
    return (fs::path(incoming_) / ("upload-" + std::to_string(++next) + ".part")).string();
}

bool account_files::Commit(const std::string& incoming, std::string_view account,
    std::string_view name, std::string& error)
{
    std::error_code code;
    fs::create_directories(fs::path(files_) / AccountFolderName(account), code);
    if (!code)
        fs::rename(incoming, PathOf(account, name), code);
    if (code) {
        error = code.message();
        return false;
    }
    return true;
}

void account_files::Remove(std::string_view account, const std::vector<std::string>& names)
{
    for (const auto& name : names) {
        std::error_code error;
        fs::remove(PathOf(account, name), error);
        if (error)
            log_event("cannot remove " + PathOf(account, name) + ": " + error.message());
    }
}

} // namespace syncd
