#pragma once
// The checks before a list's record is edited or deleted, and the deletion of
// the selected rows. Each comes twice: on the rows, selection and database it
// needs (what the tests call), and on a list window's state (what the window
// calls). Rows carry the record's ID in column 1 and its label in column 2.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/list_state.h"
#include "platform/text/text_table.h"

struct sqlite3;

namespace listkit {

// PROVERIGRID: whether the add (isNew) or the edit of the one selected line may
// go on; otherwise says why.
bool PROVERIGRID(bool isNew, int itemCount, const std::vector<int>& selection);
bool PROVERIGRID(bool isNew, const ListState& s);

// PROVERIPREDBRISENJE: whether no row of refTable refers, through refColumn,
// to the record of any selected line; otherwise shows the message. A table
// that does not exist yet refers to nothing; a check query that fails refuses.
bool PROVERIPREDBRISENJE(sqlite3* db, std::string_view refTable, const ui::TextTable& rows,
                         const std::vector<int>& selection, std::string_view refColumn, std::string_view message);
bool PROVERIPREDBRISENJE(std::string_view refTable, const ListState& s, std::string_view refColumn,
                         std::string_view message);

// TABLEDELETE: deletes the selected rows from the table after asking, row by
// row; returns the line to select once the list is reloaded, 0 for none.
int TABLEDELETE(sqlite3* db, std::string_view table, const ui::TextTable& rows, const std::vector<int>& selection,
                std::string_view keyColumn = "ID");
int TABLEDELETE(std::string_view table, const ListState& s, std::string_view keyColumn = "ID");

// The line to select after the reload: the line TABLEDELETE returned while the
// reloaded list still has it, otherwise none (0).
int reselectedLine(int line, int lineCount);

struct ReferenceCheck {
    std::string table, column, message;
};

// A list window's delete: the reference checks in order, stopping at the first
// that refuses, then TABLEDELETE, the reload, and the selection of the line it
// returned (none when that line is no longer there).
void deleteSelectedRows(const ListState& s, std::string_view table, const std::vector<ReferenceCheck>& checks,
                        const std::function<void()>& reload);

}  // namespace listkit
