// MD5 (RFC 1321) as 32 lowercase hexadecimal digits: the password digest of the sync accounts.
#pragma once

#include <string>
#include <string_view>

namespace wire {

std::string md5_hex(std::string_view data);

} // namespace wire
