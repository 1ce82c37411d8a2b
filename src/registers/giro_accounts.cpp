#include "registers/giro_accounts.h"

#include <sqlite3.h>

#include <algorithm>

#include "platform/ui/ui.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

using shell::doubleQuotes;

// A row whose use could not be looked up counts as used: it is kept.
bool inUse(sqlite3* db, const AccountTables& t, std::string_view id) {
    return std::any_of(t.uses.begin(), t.uses.end(), [&](const listkit::ReferenceCheck& u) {
        return referenced(db, u.table, u.column, id).value_or(true);
    });
}

bool heldBy(const ui::TextTable& owners, const std::string& ownerId) {
    for (std::size_t r = 0; r < owners.rows(); ++r)
        if (owners.cell(r, 0) == ownerId) return true;
    return false;
}

// Purges the owner's stored rows that nothing uses, then attaches the grid's
// numbers; false after a failed statement or lookup (the transaction is then
// undone): a number whose owner is unknown is never attached.
bool syncAccounts(sqlite3* db, shell::Transaction& tx, const AccountTables& t, const std::string& ownerId,
                  const std::vector<std::string>& accounts, bool& foreign) {
    const shell::QueryResult storedRows = shell::query(db, accountsQuery(t, ownerId));
    if (!storedRows.ok) return false;
    const ui::TextTable& stored = storedRows.rows;
    for (std::size_t r = 0; r < stored.rows(); ++r) {
        const std::string id = stored.at(r, 0);
        const bool listed = std::find(accounts.begin(), accounts.end(), stored.cell(r, 1)) != accounts.end();
        if ((t.keepListed && listed) || inUse(db, t, id)) continue;
        if (!tx.run("DELETE FROM " + t.table + " WHERE ID = '" + doubleQuotes(id) + "';")) return false;
    }
    for (const std::string& account : accounts) {
        const shell::QueryResult found = shell::query(db, " SELECT z." + t.ownerColumn + ", z.ZiroSmetka  FROM " +
                                                              t.table + " AS z  WHERE z.ZiroSmetka = '" +
                                                              doubleQuotes(account) + "'");
        if (!found.ok) return false;
        const ui::TextTable& owners = found.rows;
        if (owners.empty()) {
            if (!tx.run("insert into " + t.table + "  (" + t.ownerColumn + ", ZiroSmetka)  values  ('" +
                        doubleQuotes(ownerId) + "', '" + doubleQuotes(account) + "');"))
                return false;
        } else if (!heldBy(owners, ownerId)) {
            foreign = true;
        }
    }
    return true;
}

}  // namespace

std::string accountsQuery(const AccountTables& t, std::string_view ownerId) {
    return " SELECT z.ID, z.ZiroSmetka  FROM " + t.table + " AS z  WHERE z." + t.ownerColumn + " = " +
           shell::quoted(ownerId) + " ORDER BY z.ID";
}

std::optional<bool> referenced(sqlite3* db, std::string_view table, std::string_view column, std::string_view id) {
    if (!shell::tableExists(db, table)) return false;
    const shell::QueryResult found = shell::query(db, "select * from " + std::string(table) + " where " +
                                                          std::string(column) + " = '" + doubleQuotes(id) + "'");
    if (!found.ok) return std::nullopt;
    return !found.rows.empty();
}

bool removable(sqlite3* db, const AccountTables& t, const ui::TextTable& rows, const std::vector<int>& selection) {
    for (int line : selection) {
        if (line < 1 || static_cast<std::size_t>(line) > rows.rows()) continue;
        const std::string id = rows.at(static_cast<std::size_t>(line - 1), 0);
        if (id.empty()) continue;  // added in this window: nothing refers to it yet
        for (const listkit::ReferenceCheck& u : t.uses) {
            const std::optional<bool> used = referenced(db, u.table, u.column, id);
            if (!used) return false;
            if (*used) {
                ui::msgInfo(u.message, vocab::CPORGRESKA);
                return false;
            }
        }
    }
    return true;
}

std::string typedAccount(const std::string& held, const std::string& shown, const std::string& original,
                         bool keepBlanks) {
    if (held == shown) return original;
    if (keepBlanks) return held;
    return held.substr(0, held.find_last_not_of(' ') + 1);
}

std::optional<std::string> accountRefusal(const ui::TextTable& rows, int line, const std::string& account) {
    if (shell::isBlank(account)) return vocab::CPORPRAZNAZIROSMETKA;
    for (std::size_t r = 0; r < rows.rows(); ++r)
        if (static_cast<int>(r) + 1 != line && rows.cell(r, 1) == account) return vocab::CPORPOSTOIZIROSMETKA;
    return std::nullopt;
}

bool saveWithAccounts(sqlite3* db, const AccountTables& t, const RecordSave& s, std::string ownerId,
                      const std::vector<std::string>& accounts) {
    const bool isNew = ownerId.empty();
    if (isNew) {
        // The row ID of this INSERT is the new record's: other records may
        // share any of its values (recipients with an empty EMBG do).
        if (!shell::MISCSQL1(db, s.insert)) {
            ui::msgInfo(s.lostMessage, vocab::CPORGRESKA);
            return false;
        }
        ownerId = std::to_string(sqlite3_last_insert_rowid(db));
    }
    shell::Transaction tx(db);
    if (!tx.open()) return false;
    if (!isNew && !tx.run(s.update)) return false;
    bool foreign = false;
    const bool synced = syncAccounts(db, tx, t, ownerId, accounts, foreign);
    if (foreign) ui::msgInfo(s.foreignMessage, vocab::CPORGRESKA);
    return synced && tx.commit();
}

}  // namespace registers
