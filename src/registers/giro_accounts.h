#pragma once
// The giro accounts of payers and recipients: the checks of the account grid
// in the edit window, and the save that writes the record and brings its
// stored accounts in line with the grid, in one transaction.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/edit_checks.h"
#include "platform/text/text_table.h"

struct sqlite3;

namespace registers {

// The account table of a register and the rows elsewhere that name its
// account rows.
struct AccountTables {
    std::string table;        // IsplakjaciZiroSmetki, PrimaciZiroSmetki
    std::string ownerColumn;  // IsplakjaciID, PrimaciID
    // Payment items, then payment orders, each with the refusal shown when a
    // row it uses is to leave the grid. A used row is never deleted.
    std::vector<listkit::ReferenceCheck> uses;
    // Whether a stored account that is still in the grid keeps its row and
    // ID at the save. Recipients need it: another recipient may hold the same
    // number, so a row deleted and looked up again would be lost.
    bool keepListed = false;
};

// The owner's stored account rows as the grid holds them: ID, number.
std::string accountsQuery(const AccountTables& t, std::string_view ownerId);

// Whether a row of `table` names `id` in `column`; nothing when the query
// failed (its error has been shown), which callers take as "in use". A table
// that has not been created yet names nothing, and no error is shown for it.
std::optional<bool> referenced(sqlite3* db, std::string_view table, std::string_view column, std::string_view id);

// Whether the selected grid lines (cell 1 the row's ID, empty for an account
// added in this window) may leave the grid: for each line in order, each use
// in order, the first use found shows its refusal and nothing may go; nothing
// goes either after a failed lookup.
bool removable(sqlite3* db, const AccountTables& t, const ui::TextTable& rows, const std::vector<int>& selection);

// The account the small window gives back. Confirmed without a change, it is
// the account as it stood; otherwise the box's text, which holds as many
// characters as the mask: `keepBlanks` keeps the blanks it was typed over,
// else the account is what was typed, without the box's trailing padding.
std::string typedAccount(const std::string& held, const std::string& shown, const std::string& original,
                         bool keepBlanks);

// The refusal of an account for grid line `line` (0 for a new one): empty or
// blank, or the exact text of another line. None when it may go in.
std::optional<std::string> accountRefusal(const ui::TextTable& rows, int line, const std::string& account);

// A register's save of one record with its accounts.
struct RecordSave {
    std::string insert;          // a new record, written before the accounts' transaction
    std::string update;          // an existing record
    std::string lostMessage;     // the new record could not be written
    std::string foreignMessage;  // an account of the grid is held by another owner
};

// Writes the record (`ownerId` empty for a new one, which is found again by
// the row ID its INSERT gave) and, in one transaction, the accounts: stored
// rows that nothing uses are deleted (unless kept as listed), the grid's
// numbers that no row holds are inserted for the owner, a number another
// owner holds is not attached and is reported after the others. A failed
// statement undoes the transaction. Returns whether everything was committed.
bool saveWithAccounts(sqlite3* db, const AccountTables& t, const RecordSave& s, std::string ownerId,
                      const std::vector<std::string>& accounts);

}  // namespace registers
