#include "shell/statement.h"

#include <sqlite3.h>

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

void Statement::bind(int at, std::string_view value) {
    // An empty view may have no bytes at all: it is still a text, never NULL.
    sqlite3_bind_text(statement_, at, value.data() ? value.data() : "", static_cast<int>(value.size()), SQLITE_STATIC);
}

bool Statement::run(std::initializer_list<std::string_view> values) {
    if (!statement_) return false;
    int at = 0;
    for (std::string_view v : values) bind(++at, v);
    return step();
}

bool Statement::run(const ui::TextTable& rows, std::size_t row, const std::vector<std::string>& after) {
    if (!statement_) return false;
    int at = 0;
    for (std::size_t c = 0; c < rows.columns(); ++c) bind(++at, rows.cell(row, c));
    for (const std::string& value : after) bind(++at, value);
    return step();
}

bool Statement::step() {
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
