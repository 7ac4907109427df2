// The few SQLite steps both of the server's databases take: opening a file,
// running a statement without results, and the statement and text helpers.
#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace syncd::sqlite {

// Finalises the statement whatever way the function leaves.
struct statement {
    sqlite3_stmt* handle = nullptr;
    ~statement() { sqlite3_finalize(handle); }
};

// Opened for reading and writing (made when missing) with a 5 s busy wait, in
// WAL mode (readers and the writer apart; the operator may edit while the
// server runs); null, logged, when it cannot be.
sqlite3* Open(const std::string& path);
// Logged under what when it fails.
bool Exec(sqlite3* db, const char* sql, std::string_view what);
void BindText(sqlite3_stmt* s, int index, std::string_view text);
// The column's text, empty for NULL.
std::string ColumnText(sqlite3_stmt* s, int index);

} // namespace syncd::sqlite
