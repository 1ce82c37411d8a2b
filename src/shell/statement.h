#pragma once
// One statement prepared once and run many times with other values, as the
// inserts of a long transfer are: SQLite reads its text only once. A failure
// is shown as every statement's is: the message and the statement, here with
// the values it ran with.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"

struct sqlite3;
struct sqlite3_stmt;

namespace shell {

class Statement {
public:
    // A text SQLite refuses is shown at once; the statement is then not ready.
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ready() const { return statement_ != nullptr; }
    // Runs the statement once with `values` bound as texts to ?1, ?2, ...;
    // false after showing the error.
    bool run(std::initializer_list<std::string_view> values);
    // The same with the cells of one row of `rows` as the values, then the
    // values of `after`, the same for every row.
    bool run(const ui::TextTable& rows, std::size_t row, const std::vector<std::string>& after = {});

private:
    void bind(int at, std::string_view value);
    bool step();

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace shell
