// kasavel-status-bench: a status change of 100,000 selected orders (their
// submission date set), as the overview and the report make it, beside one
// UPDATE prepared once and bound per ID through the sqlite3 C API; and the
// same change sent as one statement text per order, as it was once made.
#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

#include "scratch_database.h"
#include "shell/row_changes.h"
#include "shell/sql1.h"
#include "timing.h"
#include "treasury/nalozi_table.h"
#include "treasury/overview_batch.h"

namespace {

constexpr int orderCount = 100000, runs = 3;

// The date of every order set by one prepared statement bound per ID.
void preparedPerId(sqlite3* db, const std::vector<std::string>& ids, const char* date) {
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "UPDATE Nalozi SET DatumNaPodnesuvanje = ?2 WHERE ID = ?1", -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 2, date, -1, SQLITE_STATIC);
    for (const std::string& id : ids) {
        sqlite3_bind_text(stmt, 1, id.data(), static_cast<int>(id.size()), SQLITE_STATIC);
        sqlite3_step(stmt);
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

// The same change as one statement text per order, each parsed anew.
void textPerId(sqlite3* db, const std::vector<std::string>& ids, const std::string& date) {
    shell::Transaction transaction(db);
    for (const std::string& id : ids)
        transaction.run("UPDATE Nalozi SET DatumNaPodnesuvanje = " + shell::C2SQL(date) + " WHERE ID = " +
                        shell::C2SQL(id));
    transaction.commit();
}

}  // namespace

int main() {
    bench::ScratchDatabase scratch;
    sqlite3* db = scratch.db;
    shell::MISCSQL1(db, treasury::naloziCreate());
    shell::MISCSQL1(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                            std::to_string(orderCount) +
                            ") INSERT INTO Nalozi SELECT i, '', '20261215', '100000000063095', '788014101263814', "
                            "'424110', '11', 'Патни трошоци', '000000', '             100.00', '500000000000001', "
                            "'Ана Анова', '', '', '', 'A' || i, '60', '2', '', 1, 1, 1, 1, 1, 0 FROM n");
    std::vector<std::string> ids;
    for (int i = orderCount; i >= 1; --i) ids.push_back(std::to_string(i));  // the grid's order, not the table's

    std::printf("status change of %d orders\n", orderCount);
    const double changed = bench::best(
        [&] { shell::changeRows(db, treasury::submissionChange(ids, "20261210")); },
        [&] { shell::MISCSQL1(db, "UPDATE Nalozi SET DatumNaPodnesuvanje = ''"); }, runs);
    const double texts = bench::best([&] { textPerId(db, ids, "20261210"); },
                                     [&] { shell::MISCSQL1(db, "UPDATE Nalozi SET DatumNaPodnesuvanje = ''"); }, runs);
    const double prepared = bench::best([&] { preparedPerId(db, ids, "20261210"); },
                                        [&] { shell::MISCSQL1(db, "UPDATE Nalozi SET DatumNaPodnesuvanje = ''"); },
                                        runs);
    const auto submitted = shell::SQL(db, "SELECT count(*) FROM Nalozi WHERE DatumNaPodnesuvanje = '20261210'");
    std::printf("  (%s orders submitted)\n", submitted.empty() ? "?" : submitted.at(0, 0).c_str());
    const bench::Columns columns{.what = 38, .baseline = 34, .ratio = 6};
    bench::report("submission: one statement bound per row", changed, "one prepared UPDATE bound per ID", prepared,
                  columns);
    bench::report("the same as one text per order", texts, "one prepared UPDATE bound per ID", prepared, columns);
    return 0;
}
