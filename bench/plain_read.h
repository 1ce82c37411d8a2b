#pragma once
// The baseline of a load: a query read through the sqlite3 C API into vectors
// of strings, with nothing shaped or shown.
#include <sqlite3.h>

#include <string>
#include <vector>

namespace bench {

inline std::vector<std::vector<std::string>> readPlain(sqlite3* db, const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        auto& row = rows.emplace_back();
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            row.emplace_back(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, c)));
        }
    }
    sqlite3_finalize(stmt);
    return rows;
}

}  // namespace bench
