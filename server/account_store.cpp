#include "server/account_store.h"

#include "server/server_log.h"
#include "server/sqlite_database.h"

#include <sqlite3.h>

namespace syncd {

using sqlite::BindText;
using sqlite::ColumnText;
using sqlite::statement;

account_store::~account_store()
{
    if (db_)
        sqlite3_close(db_);
}

bool account_store::exec(const char* sql)
{
    return sqlite::Exec(db_, sql, "database");
}

bool account_store::open(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    db_ = sqlite::Open(path);
    if (!db_)
        return false;
    return exec("CREATE TABLE IF NOT EXISTS accounts ("
                " name TEXT PRIMARY KEY NOT NULL,"
                " secret TEXT NOT NULL,"
                " disabled INTEGER NOT NULL DEFAULT 0,"
                " stored_bytes INTEGER NOT NULL DEFAULT 0,"
                " created INTEGER NOT NULL DEFAULT (strftime('%s','now')));");
}

std::optional<account_record> account_store::find(std::string_view name)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!db_)
        return std::nullopt;
    statement s;
    if (sqlite3_prepare_v2(db_,
            "SELECT name, secret, disabled, stored_bytes FROM accounts "
            "WHERE name = ?1",
            -1, &s.handle, nullptr)
        != SQLITE_OK)
        return std::nullopt;
    BindText(s.handle, 1, name);
    if (sqlite3_step(s.handle) != SQLITE_ROW)
        return std::nullopt;
    account_record record;
    record.name = ColumnText(s.handle, 0);
    record.secret = ColumnText(s.handle, 1);
    record.disabled = sqlite3_column_int(s.handle, 2) != 0;
    record.stored_bytes = sqlite3_column_int64(s.handle, 3);
    return record;
}

bool account_store::create(std::string_view name, const std::string& secret)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!db_)
        return false;
    statement s;
    // One statement under the lock: two registers of case twins cannot both pass. Names are
    // ASCII, which NOCASE folds fully. Accounts stored before this rule keep working; only
    // new names are held to it.
    if (sqlite3_prepare_v2(db_,
            "INSERT INTO accounts (name, secret) SELECT ?1, ?2 WHERE NOT EXISTS "
            "(SELECT 1 FROM accounts WHERE name = ?1 COLLATE NOCASE)",
            -1, &s.handle, nullptr)
        != SQLITE_OK)
        return false;
    BindText(s.handle, 1, name);
    BindText(s.handle, 2, secret);
    return sqlite3_step(s.handle) == SQLITE_DONE && sqlite3_changes(db_) == 1;
}

bool account_store::set_disabled(std::string_view name, bool disabled)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!db_)
        return false;
    statement s;
    if (sqlite3_prepare_v2(
            db_, "UPDATE accounts SET disabled = ?2 WHERE name = ?1", -1, &s.handle, nullptr)
        != SQLITE_OK)
        return false;
    BindText(s.handle, 1, name);
    sqlite3_bind_int(s.handle, 2, disabled ? 1 : 0);
    return sqlite3_step(s.handle) == SQLITE_DONE && sqlite3_changes(db_) == 1;
}

bool account_store::set_stored_bytes(std::string_view name, std::int64_t bytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!db_)
        return false;
    statement s;
    if (sqlite3_prepare_v2(
            db_, "UPDATE accounts SET stored_bytes = ?2 WHERE name = ?1", -1, &s.handle, nullptr)
        != SQLITE_OK)
        return false;
    BindText(s.handle, 1, name);
    sqlite3_bind_int64(s.handle, 2, bytes);
    return sqlite3_step(s.handle) == SQLITE_DONE && sqlite3_changes(db_) == 1;
}

} // namespace syncd
