// What the server answers to a login or a register request. Plain and synchronous: the
// network side runs it on worker threads because the password hash is slow on purpose.
#pragma once

#include "server/account_store.h"
#include "server/client_version.h"
#include "server/login_guard.h"
#include "server/password_hasher.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace syncd {

struct account_policy {
    std::optional<client_version> min_version; // below: refused, "Version is too low"
    std::optional<client_version> update_version; // below: "Quit client!"
    std::int64_t quota_bytes = 1024LL * 1024 * 1024;
};

enum class login_result {
    success,
    error, // unknown account or wrong digest
    quit_client, // client too old, an update is offered
    refused_password,
    refused_version,
    refused_permission,
    refused_money,
};

// The refusal text of a refused result, empty for the others.
std::string_view refusal_text(login_result result);

class account_service {
public:
    account_service(account_store& store, const password_hasher& hasher, login_guard& guard,
        account_policy policy);

    login_result login(const std::string& address, std::string_view account,
        std::string_view digest, std::string_view version_payload);

    // Names of 1 to 32 letters, digits and "_.@-", other than "." and "..", and unlike any
    // existing name even in case; passwords of 1 to 32 characters. The password is hashed
    // before the name is looked up, so a taken name answers no sooner than a free one.
    bool register_account(std::string_view account, std::string_view password);

    // Whether login accepts the name; register adds the rules above.
    static bool valid_account_name(std::string_view name);

private:
    bool digest_matches(const account_record& record, std::string_view digest);
    // The slow check against a hash of no account's password: an unknown name costs what a
    // wrong password costs.
    void spend_a_verification(std::string_view digest);

    account_store& store_;
    const password_hasher& hasher_;
    login_guard& guard_;
    account_policy policy_;
    std::string dummy_secret_; // made once at start with the current hash settings

    // Digests that passed the slow check, as keyed fingerprints: a client reconnecting every
    // few seconds must not cost a full hash each time.
    std::mutex verified_mutex_;
    std::unordered_map<std::string, std::string> verified_;
};

} // namespace syncd
