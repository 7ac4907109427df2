// Slow salted hashes of password digests (libsodium crypto_pwhash_str), plus a keyed fast
// hash used to remember digests that already passed a slow check.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace syncd {

class password_hasher {
public:
    // ops_limit and memory_limit go to crypto_pwhash_str; both are raised to libsodium's minimum.
    password_hasher(unsigned long long ops_limit, std::size_t memory_limit);

    // False when libsodium could not start; nothing else works then.
    bool ready() const { return ready_; }

    std::optional<std::string> hash(std::string_view digest) const;
    bool verify(const std::string& stored, std::string_view digest) const;

    // A keyed BLAKE2b of the digest, with a key chosen per process: cheap to compare, useless
    // to anyone who reads memory after a restart.
    std::string fingerprint(std::string_view digest) const;

private:
    bool ready_ = false;
    unsigned long long ops_limit_;
    std::size_t memory_limit_;
    unsigned char key_[32];
};

} // namespace syncd
