#include "server/password_hasher.h"

#include <sodium.h>

#include <algorithm>

namespace syncd {

password_hasher::password_hasher(unsigned long long ops_limit, std::size_t memory_limit)
    : ops_limit_(std::max<unsigned long long>(ops_limit, crypto_pwhash_OPSLIMIT_MIN))
    , memory_limit_(std::max<std::size_t>(memory_limit, crypto_pwhash_MEMLIMIT_MIN))
{
    ready_ = sodium_init() >= 0;
    if (ready_)
        randombytes_buf(key_, sizeof key_);
}

std::optional<std::string> password_hasher::hash(std::string_view digest) const
{
    if (!ready_)
        return std::nullopt;
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, digest.data(), digest.size(), ops_limit_, memory_limit_) != 0)
        return std::nullopt; // out of memory
    return std::string(out);
}

bool password_hasher::verify(const std::string& stored, std::string_view digest) const
{
    if (!ready_ || stored.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(stored.c_str(), digest.data(), digest.size()) == 0;
}

std::string password_hasher::fingerprint(std::string_view digest) const
{
    unsigned char out[crypto_generichash_BYTES];
    crypto_generichash(out, sizeof out, reinterpret_cast<const unsigned char*>(digest.data()),
        digest.size(), key_, sizeof key_);
    return std::string(reinterpret_cast<const char*>(out), sizeof out);
}

} // namespace syncd
