#include "server/history_store.h"

#include "server/server_log.h"
#include "server/sqlite_database.h"

#include <sqlite3.h>

#include <chrono>

namespace syncd {

using sqlite::BindText;
using sqlite::ColumnText;
using sqlite::statement;

history_store::~history_store()
{
    if (db_)
        sqlite3_close(db_);
}

bool history_store::Exec(const char* sql)
{
    return sqlite::Exec(db_, sql, "history database");
}

bool history_store::Open(const std::string& path)
{
    std::lock_guard<std::mutex> lock(mutex_);
    db_ = sqlite::Open(path);
    if (!db_)
        return false;
    // WAL with NORMAL sync: a commit costs no flush to disk, and a crash loses at most the
    // last commits, never the database.
    return Exec("PRAGMA synchronous=NORMAL;")
        && Exec("CREATE TABLE IF NOT EXISTS entries ("
                " account TEXT NOT NULL, name TEXT NOT NULL,"
                " type INTEGER NOT NULL," // the index's type text: +10 for a favourite
                " md5 TEXT NOT NULL, title TEXT NOT NULL,"
                " stamp INTEGER NOT NULL, size INTEGER NOT NULL,"
                " PRIMARY KEY (account, name)) WITHOUT ROWID;")
        && Exec("CREATE TABLE IF NOT EXISTS deleted ("
                " account TEXT NOT NULL, name TEXT NOT NULL, at INTEGER NOT NULL,"
                " PRIMARY KEY (account, name)) WITHOUT ROWID;");
}

std::vector<history_entry> history_store::Entries(std::string_view account)
{
    std::vector<history_entry> entries;
    std::lock_guard<std::mutex> lock(mutex_);
    statement s;
    if (!db_
        || sqlite3_prepare_v2(db_,
               "SELECT name, type, md5, title, stamp, size FROM entries WHERE account = ?1", -1,
               &s.handle, nullptr)
            != SQLITE_OK)
        return entries;
    BindText(s.handle, 1, account);
    while (sqlite3_step(s.handle) == SQLITE_ROW) {
        history_entry entry;
        entry.name = ColumnText(s.handle, 0);
        const int code = sqlite3_column_int(s.handle, 1);
        entry.favourite = code >= 10;
        entry.type = entry.favourite ? code - 10 : code;
        entry.md5 = ColumnText(s.handle, 2);
        entry.title = ColumnText(s.handle, 3);
        entry.stamp = sqlite3_column_int64(s.handle, 4);
        entry.size = sqlite3_column_int64(s.handle, 5);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::unordered_set<std::string> history_store::DeletedNames(std::string_view account)
{
    std::unordered_set<std::string> names;
    std::lock_guard<std::mutex> lock(mutex_);
    statement s;
    if (!db_
        || sqlite3_prepare_v2(
               db_, "SELECT name FROM deleted WHERE account = ?1", -1, &s.handle, nullptr)
            != SQLITE_OK)
        return names;
    BindText(s.handle, 1, account);
    while (sqlite3_step(s.handle) == SQLITE_ROW)
        names.insert(ColumnText(s.handle, 0));
    return names;
}

bool history_store::Apply(std::string_view account, const history_changes& changes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!db_ || !Exec("BEGIN;"))
        return false;
    if (ApplyLocked(account, changes) && Exec("COMMIT;"))
        return true;
    log_event("history of account " + std::string(account) + " not saved: " + sqlite3_errmsg(db_));
    Exec("ROLLBACK;");
    return false;
}

bool history_store::ApplyLocked(std::string_view account, const history_changes& changes)
{
    statement put, remove, forget, deleted, trim;
    if (sqlite3_prepare_v2(db_,
            "INSERT OR REPLACE INTO entries (account, name, type, md5, title, stamp, size)"
            " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)",
            -1, &put.handle, nullptr)
            != SQLITE_OK
        || sqlite3_prepare_v2(db_, "DELETE FROM entries WHERE account = ?1 AND name = ?2", -1,
               &remove.handle, nullptr)
            != SQLITE_OK
        || sqlite3_prepare_v2(db_, "DELETE FROM deleted WHERE account = ?1 AND name = ?2", -1,
               &forget.handle, nullptr)
            != SQLITE_OK
        || sqlite3_prepare_v2(db_,
               "INSERT OR REPLACE INTO deleted (account, name, at) VALUES (?1, ?2, ?3)", -1,
               &deleted.handle, nullptr)
            != SQLITE_OK
        || sqlite3_prepare_v2(db_,
               "DELETE FROM deleted WHERE account = ?1 AND name NOT IN (SELECT name FROM "
               "deleted WHERE account = ?1 ORDER BY at DESC LIMIT ?2)",
               -1, &trim.handle, nullptr)
            != SQLITE_OK)
        return false;
    const auto step = [](sqlite3_stmt* s) {
        const bool ok = sqlite3_step(s) == SQLITE_DONE;
        sqlite3_reset(s);
        return ok;
    };
    for (const auto& entry : changes.put) {
        BindText(put.handle, 1, account);
        BindText(put.handle, 2, entry.name);
        sqlite3_bind_int(put.handle, 3, entry.TypeCode());
        BindText(put.handle, 4, entry.md5);
        BindText(put.handle, 5, entry.title);
        sqlite3_bind_int64(put.handle, 6, entry.stamp);
        sqlite3_bind_int64(put.handle, 7, entry.size);
        if (!step(put.handle))
            return false;
    }
    for (const auto* names : { &changes.remove, &changes.deleted }) {
        for (const auto& name : *names) {
            BindText(remove.handle, 1, account);
            BindText(remove.handle, 2, name);
            if (!step(remove.handle))
                return false;
        }
    }
    for (const auto& name : changes.undeleted) {
        BindText(forget.handle, 1, account);
        BindText(forget.handle, 2, name);
        if (!step(forget.handle))
            return false;
    }
    if (changes.deleted.empty())
        return true;
    // Later deletions sort later within one batch too.
    std::int64_t at = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch())
                          .count();
    for (const auto& name : changes.deleted) {
        BindText(deleted.handle, 1, account);
        BindText(deleted.handle, 2, name);
        sqlite3_bind_int64(deleted.handle, 3, at++);
        if (!step(deleted.handle))
            return false;
    }
    BindText(trim.handle, 1, account);
    sqlite3_bind_int64(trim.handle, 2, static_cast<std::int64_t>(keep_deleted_));
    return step(trim.handle);
}

} // namespace syncd
