#pragma once
// A change of several rows as one transaction, as every action on selected
// rows makes it: BEGIN TRANSACTION, one statement prepared once and run for
// each row with that row's values, END TRANSACTION. Every run must change
// exactly one row: one that fails, or changes none (its row is gone or no
// longer matches) or several, rolls the whole change back and tells the user
// "Проблеми при ажурирање на базата!"; a failed BEGIN sends nothing more.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/text/text_table.h"

struct sqlite3;

namespace shell {

struct RowChange {
    // One statement: ?1 to ?n take a row's values (the n columns of `rows`),
    // the parameters after them the values of `fixed`, the same for every row.
    std::string statement;
    ui::TextTable rows;
    std::vector<std::string> fixed;
    // When the run for row `row` changes nothing: the message that says why
    // (read inside the transaction), or nothing for the usual one.
    std::function<std::optional<std::string>(std::size_t row)> unchanged;
    // What stands although the change did not (a file written for it): added
    // on a line of its own to the message after any failure, a failed BEGIN too.
    std::string afterFailure;
};

// True when every row changed and the commit succeeded; the caller's success
// message comes only then.
bool changeRows(sqlite3* db, const RowChange& change);

}  // namespace shell
