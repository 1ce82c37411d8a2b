#include "shell/statement.h"

#include <sqlite3.h>

#include <string>

#include "shell/sql1.h"

namespace shell {

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) != SQLITE_OK) {
        showError(db, sql);
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

Statement::~Statement() { sqlite3_finalize(statement_); }

bool Statement::run(std::initializer_list<std::string_view> values) {
    if (!statement_) return false;
    int at = 0;
    for (std::string_view v : values)  // an empty view may have no bytes at all: still a text, never NULL
        sqlite3_bind_text(statement_, ++at, v.data() ? v.data() : "", static_cast<int>(v.size()), SQLITE_STATIC);
    const bool done = sqlite3_step(statement_) == SQLITE_DONE;
    if (!done) {
        char* expanded = sqlite3_expanded_sql(statement_);
        const std::string shown = expanded ? expanded : sqlite3_sql(statement_);
        sqlite3_free(expanded);
        showError(db_, shown);
    }
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    return done;
}

}  // namespace shell
