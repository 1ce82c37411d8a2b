#include "listkit/edit_checks.h"

#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace listkit {

namespace {

std::string cellOf(const ui::TextTable& rows, int line, std::size_t column) {
    return line >= 1 ? rows.at(static_cast<std::size_t>(line - 1), column) : std::string();
}

std::string deleteStatement(std::string_view table, std::string_view keyColumn, const std::string& id) {
    return "delete from " + std::string(table) + " where " + std::string(keyColumn) + " = '" +
           shell::doubleQuotes(id) + "'";
}

}  // namespace

bool PROVERIGRID(bool isNew, int itemCount, const std::vector<int>& selection) {
    if (isNew) return true;
    const std::string* refusal = itemCount == 0         ? &vocab::CPORNEPOSTOINITUEDENRED
                                 : selection.empty()    ? &vocab::CPORNITUEDENREDSELEKTIRAN
                                 : selection.size() > 1 ? &vocab::CPORSELEKTIRANISEPOVECEREDOVI
                                                        : nullptr;
    if (refusal) ui::msgInfo(*refusal, vocab::CPORGRESKA);
    return !refusal;
}

bool PROVERIGRID(bool isNew, const ListState& s) {
    const ui::Ctl grid = s.gridCtl();
    return PROVERIGRID(isNew, grid.itemCount(), grid.selection());
}

bool PROVERIPREDBRISENJE(sqlite3* db, std::string_view refTable, const ui::TextTable& rows,
                         const std::vector<int>& selection, std::string_view refColumn, std::string_view message) {
    if (selection.empty()) return true;
    // A check that could not be made refuses the delete; the database layer
    // has shown why.
    const std::optional<bool> referring = shell::findTable(db, refTable);
    if (!referring) return false;
    if (!*referring) return true;
    for (int line : selection) {
        const std::string sql = "select * from " + std::string(refTable) + " where " + std::string(refColumn) + " = '" +
                                shell::doubleQuotes(cellOf(rows, line, 0)) + "'";
        const shell::QueryResult found = shell::query(db, sql);
        if (!found.ok) return false;
        if (!found.rows.empty()) {
            ui::msgInfo(message, vocab::CPORGRESKA);
            return false;
        }
    }
    return true;
}

bool PROVERIPREDBRISENJE(std::string_view refTable, const ListState& s, std::string_view refColumn,
                         std::string_view message) {
    const ui::Ctl grid = s.gridCtl();
    return PROVERIPREDBRISENJE(shell::app().DB, refTable, grid.rows(), grid.selection(), refColumn, message);
}

int TABLEDELETE(sqlite3* db, std::string_view table, const ui::TextTable& rows, const std::vector<int>& selection,
                std::string_view keyColumn) {
    if (keyColumn.empty()) keyColumn = "ID";
    if (selection.empty()) {
        ui::msgInfo(vocab::CPORNITUEDENREDSELEKTIRAN, vocab::CPORGRESKA);
        return 0;
    }
    if (selection.size() == 1) {
        const int line = selection.front();
        if (ui::msgYesNo(vocab::CPORDALIBRISEZAPIS + cellOf(rows, line, 1) + " ?"))
            shell::MISCSQL1(db, deleteStatement(table, keyColumn, cellOf(rows, line, 0)));
        return line;
    }
    if (!ui::msgYesNo(vocab::CPORDALIBRISESITEREDOVI)) return 0;
    // Each row by itself: a row that cannot go (a foreign key still refers to
    // it) is reported and the others are still deleted.
    for (int line : selection) shell::MISCSQL1(db, deleteStatement(table, keyColumn, cellOf(rows, line, 0)));
    // The line just above the last deleted one, at its place after the reload.
    return selection.back() - static_cast<int>(selection.size());
}

int TABLEDELETE(std::string_view table, const ListState& s, std::string_view keyColumn) {
    const ui::Ctl grid = s.gridCtl();
    return TABLEDELETE(shell::app().DB, table, grid.rows(), grid.selection(), keyColumn);
}

int reselectedLine(int line, int lineCount) { return line >= 1 && line <= lineCount ? line : 0; }

void deleteSelectedRows(const ListState& s, std::string_view table, const std::vector<ReferenceCheck>& checks,
                        const std::function<void()>& reload) {
    for (const ReferenceCheck& c : checks)
        if (!PROVERIPREDBRISENJE(c.table, s, c.column, c.message)) return;
    const int line = TABLEDELETE(table, s);
    reload();
    const ui::Ctl grid = s.gridCtl();
    const int reselected = reselectedLine(line, grid.itemCount());
    grid.selection(reselected ? std::vector<int>{reselected} : std::vector<int>{});
}

}  // namespace listkit
