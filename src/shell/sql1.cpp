#include "shell/sql1.h"

#include <sqlite3.h>

#include <cctype>
#include <charconv>

#include "platform/ui/ui.h"
#include "shell/database_file.h"
#include "shell/statement.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace shell {

void showError(sqlite3* db, std::string_view sql) {
    // A database opened for reading only refuses every change the same way.
    if ((sqlite3_errcode(db) & 0xFF) == SQLITE_READONLY) ui::msgStop(readOnlyDatabase, vocab::CPORGRESKA);
    else ui::msgStop(std::string(sqlite3_errmsg(db)) + " Query is : " + std::string(sql));
}

namespace {

std::string upperTrimmed(const char* s) {
    std::string out;
    for (; s && *s; ++s)
        if (*s != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(*s)));
    return out;
}

// A column declared DATE or DATETIME holds "yyyy-mm-dd..."; the system keeps
// dates as "yyyymmdd", and a text that is no valid date gives the empty date.
std::string dateValue(std::string_view v) {
    if (v.size() < 10 || v[4] != '-' || v[7] != '-') return {};
    const std::string d = std::string(v.substr(0, 4)) + std::string(v.substr(5, 2)) + std::string(v.substr(8, 2));
    for (char c : d)
        if (!std::isdigit(static_cast<unsigned char>(c))) return {};
    const int month = std::stoi(d.substr(4, 2)), day = std::stoi(d.substr(6, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 ? d : std::string();
}

// Whether `text` holds no statement: nothing, blanks, comments, semicolons.
bool onlyBlanksOrComments(sqlite3* db, std::string_view text) {
    while (!text.empty()) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db, text.data(), static_cast<int>(text.size()), &stmt, &tail) != SQLITE_OK || stmt) {
            sqlite3_finalize(stmt);
            return false;
        }
        if (tail == text.data()) return false;
        text.remove_prefix(static_cast<std::size_t>(tail - text.data()));
    }
    return true;
}

QueryResult failed(sqlite3* db) {
    const int code = sqlite3_errcode(db) & 0xFF;
    return {.ok = false, .busy = code == SQLITE_BUSY || code == SQLITE_LOCKED};
}

// The query's rows into result.rows; with `eachRow`, each row is handed to it
// as soon as it is read and then dropped, so that only one is ever held.
QueryResult readQuery(sqlite3* db, std::string_view sql, const RowVisitor* eachRow) {
    QueryResult result;
    if (!db) {
        ui::msgStop("Database Connection Error!");
        return result;
    }
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt, &tail) != SQLITE_OK) {
        const QueryResult failure = failed(db);
        showError(db, sql);
        return failure;
    }
    // One statement a call: a second one in the text can only have come in
    // with a value spliced in unquoted, and must never run.
    if (!onlyBlanksOrComments(db, std::string_view(tail, static_cast<std::size_t>(sql.data() + sql.size() - tail)))) {
        sqlite3_finalize(stmt);
        ui::fatal("A query holds more than one statement: " + std::string(sql));
    }
    result.ok = true;
    if (!stmt) return result;  // only blanks or a comment
    const int columns = sqlite3_column_count(stmt);
    if (columns > 0) result.rows = ui::TextTable(static_cast<std::size_t>(columns));
    std::vector<bool> isDate(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        const std::string type = upperTrimmed(sqlite3_column_decltype(stmt, c));
        isDate[static_cast<std::size_t>(c)] = type == "DATE" || type == "DATETIME";
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        result.rows.beginRow();
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            const std::string_view v = text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, c)))
                                            : std::string_view();
            if (isDate[static_cast<std::size_t>(c)]) result.rows.appendCell(dateValue(v));
            else result.rows.appendCell(v);
        }
        result.rows.endRow();
        if (eachRow) {
            (*eachRow)(result.rows);
            result.rows.clear();
        }
    }
    if (rc != SQLITE_DONE) {
        result = failed(db);
        showError(db, sql);
    }
    sqlite3_finalize(stmt);
    return result;
}

}  // namespace

QueryResult query(sqlite3* db, std::string_view sql) { return readQuery(db, sql, nullptr); }

QueryResult query(sqlite3* db, std::string_view sql, const RowVisitor& eachRow) {
    return readQuery(db, sql, &eachRow);
}

ui::TextTable SQL(sqlite3* db, std::string_view sql) { return query(db, sql).rows; }

bool MISCSQL1(sqlite3* db, std::string_view statement) {
    if (!db) {
        ui::msgStop("Database Connection Error!");
        return false;
    }
    const std::string text(statement);
    if (sqlite3_exec(db, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        showError(db, statement);
        return false;
    }
    return true;
}

std::string doubleQuotes(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out;
}

std::string quoted(std::string_view value) { return "'" + doubleQuotes(value) + "'"; }

std::string quotedValues(const std::vector<std::string>& values) {
    std::string list;
    for (const std::string& v : values) list += (list.empty() ? "" : ", ") + quoted(v);
    return list;
}

std::string C2SQL(std::string_view text) {
    if (isBlank(text)) return "''";
    return quoted(text);
}
std::string C2SQL(int number) { return std::to_string(number); }
std::string C2SQL(long long number) { return std::to_string(number); }
std::string C2SQL(double number) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, number);
    return std::string(buf, r.ptr);
}
std::string C2SQL(bool value) { return value ? "1" : "0"; }

std::optional<bool> findTable(sqlite3* db, std::string_view table) {
    const QueryResult found = query(db, "SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') AND name = " +
                                            C2SQL(table) + " COLLATE NOCASE");
    if (!found.ok) return std::nullopt;
    return !found.rows.empty();
}

bool tableExists(sqlite3* db, std::string_view table) { return findTable(db, table).value_or(false); }

sqlite3* CONNECT2DB(const std::string& file, bool create) {
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        ui::msgInfo("Database could not be connected!");
        return nullptr;
    }
    sqlite3_busy_timeout(db, busyTimeoutMs);
    return db;
}

Transaction::Transaction(sqlite3* db) : db_(db) { open_ = MISCSQL1(db_, "BEGIN TRANSACTION"); }

Transaction::~Transaction() {
    if (open_) rollback();
}

bool Transaction::run(std::string_view statement) {
    if (!open_) return false;
    if (MISCSQL1(db_, statement)) return true;
    rollback();
    return false;
}

bool Transaction::run(Statement& statement, std::initializer_list<std::string_view> values) {
    return ran(open_ && statement.run(values));
}

bool Transaction::run(Statement& statement, const ui::TextTable& rows, std::size_t row) {
    return ran(open_ && statement.run(rows, row));
}

bool Transaction::ran(bool done) {
    if (!done && open_) rollback();
    return done;
}

bool Transaction::commit(std::string_view end) {
    if (!open_) return false;
    if (MISCSQL1(db_, end)) {
        open_ = false;
        return true;
    }
    rollback();  // a commit that failed (database busy) leaves the transaction open
    return false;
}

void Transaction::rollback() {
    open_ = false;
    sqlite3_exec(db_, "ROLLBACK;", nullptr, nullptr, nullptr);
}

}  // namespace shell
