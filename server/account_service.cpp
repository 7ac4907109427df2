#include "server/account_service.h"

#include "sync/anonymous_account.h"
#include "sync/md5.h"
#include "sync/reply_texts.h"

#include <sodium.h>

namespace syncd {

namespace {

bool is_hex_digest(std::string_view digest)
{
    if (digest.size() != 32)
        return false;
    for (char c : digest)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

} // namespace

std::string_view refusal_text(login_result result)
{
    switch (result) {
    case login_result::refused_password:
        return wire::refusal_password;
    case login_result::refused_version:
        return wire::refusal_version;
    case login_result::refused_permission:
        return wire::refusal_permission;
    case login_result::refused_money:
        return wire::refusal_money;
    default:
        return {};
    }
}

account_service::account_service(
    account_store& store, const password_hasher& hasher, login_guard& guard, account_policy policy)
    : store_(store)
    , hasher_(hasher)
    , guard_(guard)
    , policy_(std::move(policy))
{
    // A random digest nobody sends; its hash only ever fails.
    unsigned char seed[16];
    randombytes_buf(seed, sizeof seed);
    dummy_secret_ = hasher_
                        .hash(wire::md5_hex(
                            std::string_view(reinterpret_cast<const char*>(seed), sizeof seed)))
                        .value_or(std::string());
}

bool account_service::valid_account_name(std::string_view name)
{
    if (name.empty() || name.size() > 32)
        return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || c == '_' || c == '.' || c == '@' || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

login_result account_service::login(const std::string& address, std::string_view account,
    std::string_view digest, std::string_view version_payload)
{
    const auto version = client_version::from_login_payload(version_payload);
    if (!version || (policy_.min_version && *version < *policy_.min_version))
        return login_result::refused_version;
    if (policy_.update_version && *version < *policy_.update_version)
        return login_result::quit_client;

    // The shared account has nothing to guess; others behind the same address keep it.
    if (account == wire::anonymous_account)
        return login_result::success;

    const auto now = login_guard::clock::now();
    if (guard_.blocked(address, now))
        return login_result::refused_password;
    // Unknown names wait the same way, so waiting tells nothing about existence.
    if (guard_.account_waiting(account, now))
        return login_result::error;

    const auto record = valid_account_name(account) ? store_.find(account) : std::nullopt;
    bool ok = false;
    if (record && is_hex_digest(digest))
        ok = digest_matches(*record, digest);
    else
        spend_a_verification(digest);
    if (!ok) {
        guard_.record_failure(address, now);
        guard_.record_account_failure(account, now);
        return login_result::error;
    }
    guard_.record_account_success(account);
    // Checked only after the password, so the flags of an account stay private.
    if (record->disabled)
        return login_result::refused_permission;
    if (record->stored_bytes > policy_.quota_bytes)
        return login_result::refused_money;
    return login_result::success;
}

bool account_service::digest_matches(const account_record& record, std::string_view digest)
{
    const std::string fingerprint = hasher_.fingerprint(digest);
    {
        std::lock_guard<std::mutex> lock(verified_mutex_);
        const auto it = verified_.find(record.name);
        if (it != verified_.end() && it->second == fingerprint)
            return true;
    }
    if (!hasher_.verify(record.secret, digest))
        return false;
    std::lock_guard<std::mutex> lock(verified_mutex_);
    verified_[record.name] = fingerprint;
    return true;
}

void account_service::spend_a_verification(std::string_view digest)
{
    if (!dummy_secret_.empty())
        hasher_.verify(dummy_secret_, digest);
}

bool account_service::register_account(std::string_view account, std::string_view password)
{
    // Refusals here depend on the request alone, never on the accounts there are.
    if (!valid_account_name(account) || account == "." || account == ".." || password.empty()
        || password.size() > 32)
        return false;
    const auto secret = hasher_.hash(wire::md5_hex(password));
    if (!secret)
        return false;
    return store_.create(account, *secret);
}

} // namespace syncd
