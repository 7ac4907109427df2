// Accounts in one SQLite database file: name, password hash, operator flags and storage use.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

namespace syncd {

struct account_record {
    std::string name;
    std::string secret; // crypto_pwhash_str of the password digest
    bool disabled = false;
    std::int64_t stored_bytes = 0;
};

class account_store {
public:
    account_store() = default;
    ~account_store();
    account_store(const account_store&) = delete;
    account_store& operator=(const account_store&) = delete;

    // Opens or creates the database and its table; false (logged) on failure.
    bool open(const std::string& path);

    std::optional<account_record> find(std::string_view name);
    // False when the name exists already, also in another case, or the database fails.
    bool create(std::string_view name, const std::string& secret);
    // False when there is no such account.
    bool set_disabled(std::string_view name, bool disabled);
    bool set_stored_bytes(std::string_view name, std::int64_t bytes);

private:
    bool exec(const char* sql);

    std::mutex mutex_; // one connection, used from every worker thread
    sqlite3* db_ = nullptr;
};

} // namespace syncd
