#pragma once
// Database access: every statement of the system goes through these, on the
// one connection of the application state. Errors are shown to the user here,
// so callers only decide whether to go on.
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"

struct sqlite3;

namespace shell {

class Statement;

// The rows of a query as text in SELECT order (NULL as "", numbers as SQLite
// prints them); `ok` tells a failed query from one that found no rows.
struct QueryResult {
    bool ok = false;
    bool busy = false;  // failed because another program holds the file
    ui::TextTable rows;
};

QueryResult query(sqlite3* db, std::string_view sql);
// The same rows handed to `eachRow` one at a time, each as the only row of
// `row`, as they are read: a large result is never held whole. The result
// holds no rows.
using RowVisitor = std::function<void(const ui::TextTable& row)>;
QueryResult query(sqlite3* db, std::string_view sql, const RowVisitor& eachRow);
// The rows only: empty after no rows, a failure, or no connection.
ui::TextTable SQL(sqlite3* db, std::string_view sql);
// Executes statements that return no rows; false after showing the error.
bool MISCSQL1(sqlite3* db, std::string_view statement);
// Shows the connection's last error for `sql` as the two above do.
void showError(sqlite3* db, std::string_view sql);

// SQL literals: a text in quotes with its quotes doubled ('' when empty or
// blank), a number as its decimal text, a boolean as 1 or 0.
std::string C2SQL(std::string_view text);
inline std::string C2SQL(const char* text) { return C2SQL(std::string_view(text)); }
std::string C2SQL(int number);
std::string C2SQL(long long number);
std::string C2SQL(double number);
std::string C2SQL(bool value);

// Only the quote doubling of the text rule, for values placed between quotes
// the statement writes itself.
std::string doubleQuotes(std::string_view text);
// A value between single quotes, its quotes doubled, blanks kept: every ID,
// code or date spliced into a statement goes in this way, so that no value,
// whatever a foreign database holds, can end the literal.
std::string quoted(std::string_view value);
// The values quoted and joined by ", ", for an IN (...) list.
std::string quotedValues(const std::vector<std::string>& values);

// Whether the database holds a table (or view) of that name, in any letter
// case; nothing when it could not be read (the message has been shown).
std::optional<bool> findTable(sqlite3* db, std::string_view table);
// The same, a table that could not be read counting as missing.
bool tableExists(sqlite3* db, std::string_view table);

// Opens a database file; nullptr after "Database could not be connected!".
sqlite3* CONNECT2DB(const std::string& file, bool create);

// A change of several rows: BEGIN TRANSACTION, the statements, END TRANSACTION.
// The first failing statement, or a failed commit, sends ROLLBACK; after a
// failed BEGIN nothing more is sent.
class Transaction {
public:
    explicit Transaction(sqlite3* db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool open() const { return open_; }
    bool run(std::string_view statement);
    // Runs a prepared statement with its values (see shell/statement.h).
    bool run(Statement& statement, std::initializer_list<std::string_view> values);
    bool run(Statement& statement, const ui::TextTable& rows, std::size_t row);
    bool commit(std::string_view end = "END TRANSACTION");

private:
    void rollback();
    // Rolls back after a statement that failed; returns whether it ran.
    bool ran(bool done);
    sqlite3* db_;
    bool open_ = false;
};

}  // namespace shell
