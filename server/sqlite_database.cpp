#include "server/sqlite_database.h"

#include "server/server_log.h"

namespace syncd::sqlite {

sqlite3* Open(const std::string& path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db,
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr)
        != SQLITE_OK) {
        log_event("cannot open database " + path + ": " + (db ? sqlite3_errmsg(db) : "?"));
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 5000);
    if (!Exec(db, "PRAGMA journal_mode=WAL;", "database")) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

bool Exec(sqlite3* db, const char* sql, std::string_view what)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        log_event(std::string(what) + " error: " + (error ? error : "unknown"));
        sqlite3_free(error);
        return false;
    }
    return true;
}

void BindText(sqlite3_stmt* s, int index, std::string_view text)
{
    sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string ColumnText(sqlite3_stmt* s, int index)
{
    const unsigned char* text = sqlite3_column_text(s, index);
    return text ? std::string(reinterpret_cast<const char*>(text),
               static_cast<std::size_t>(sqlite3_column_bytes(s, index)))
                : std::string();
}

} // namespace syncd::sqlite
