// kasavel-items-bench: the payment item list of one payer with 100,000 items
// (and 10,000 of another payer beside them), opened, sorted, searched and
// written as CSV through the real window, each figure beside a baseline
// measured in the same run.
#include <malloc.h>
#include <sqlite3.h>
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "payments/item_row.h"
#include "payments/transakcii_sql.h"
#include "payments/transakcii_table.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "registers/code_table_sql.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "registers/revenue_sql.h"
#include "shell/app_state.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "csv_figure.h"
#include "list_figures.h"
#include "memory.h"
#include "timing.h"
#include "plain_read.h"
#include "scratch_database.h"

namespace {

using bench::best, bench::readPlain, bench::report;

constexpr int itemCount = 100000, otherPayerItems = 10000, recipientCount = 2000;
constexpr int surnameColumn = payments::item::SURNAME;

void run(sqlite3* db, const std::string& sql) { shell::MISCSQL1(db, sql); }

// n(i) counting 1 to `count`, for the INSERT ... SELECT of the fixture.
std::string numbers(int count) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(count) + ") ";
}

void createItems(sqlite3* db) {
    for (const char* table : {"Konta", "Opstini", "TipoviKalkulacii", "TipoviPlacanja"})
        run(db, registers::codeTableCreate(table));
    run(db, registers::revenueTypeCreate());
    run(db, registers::subRevenueCreate());
    for (const auto& s : registers::payerCreateStatements()) run(db, s);
    for (const auto& s : registers::recipientCreateStatements()) run(db, s);
    run(db, payments::transakciiCreate());
    run(db,
        "INSERT INTO Opstini VALUES (1, '001', 'Центар', 1);"
        "INSERT INTO Konta VALUES (1, '741114', 'Приходи', 1);"
        "INSERT INTO TipoviKalkulacii VALUES (1, '1', 'Редовна', 1);"
        "INSERT INTO TipoviPlacanja VALUES (1, '1', 'Вирман', 1);"
        "INSERT INTO TipoviPrihodi (ID, Sifra, Opis, Status, ProgresivnaStapka) VALUES (1, '71', 'Авторски', 1, 0);"
        "INSERT INTO Potprihodi (ID, Sifra, Opis, ProcentOdbitoci, SePlakjaPD, Status, TipoviPrihodiID, KontaID, "
        "ProgramaPrimac, UplatnaSmetkaZaPD1) VALUES (1, '718', 'Други надоместоци', 35, 1, 1, 1, 1, '00', '840');"
        "INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID) VALUES "
        "(1, 'Институт', 'Скопје', '1234567', '4030000000001', 1), (2, 'Фонд', 'Битола', '7654321', "
        "'4030000000002', 1);"
        "INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, '300000000000001'), (2, 2, '300000000000002');");
    run(db, numbers(recipientCount) +
                "INSERT INTO Primaci SELECT i, (CASE i % 7 WHEN 0 THEN 'Ана' WHEN 1 THEN 'Петар' WHEN 2 THEN "
                "'Снежана' WHEN 3 THEN 'Ѓорѓи' WHEN 4 THEN 'Љубица' WHEN 5 THEN 'Марко' ELSE 'Елена' END), "
                "(CASE i % 5 WHEN 0 THEN 'Петровски' WHEN 1 THEN 'Стојановска' WHEN 2 THEN 'Николов' WHEN 3 THEN "
                "'Јовановиќ' ELSE 'Трајковска' END) || ' ' || i, '', '', 'Скопје', '', printf('%013d', i), '', 1, "
                "i % 2 FROM n;" +
                numbers(recipientCount) + "INSERT INTO PrimaciZiroSmetki SELECT i, i, printf('2100000%08d', i) FROM n;");
    // Paid and unpaid items, amounts from the calculation's range.
    run(db, numbers(itemCount + otherPayerItems) +
                "INSERT INTO Transakcii SELECT i, (CASE WHEN i % 3 = 0 THEN printf('2026%02d15', i % 12 + 1) ELSE "
                "'' END), '', '', 0, 1000 + i % 50000, 350, 65, 935 + i % 50000, 0, '08-' || (i % 300), '        ', "
                "'Хонорар за месец ' || (i % 12 + 1), (CASE WHEN i > " +
                std::to_string(itemCount) + " THEN 2 ELSE 1 END), i % " + std::to_string(recipientCount) +
                " + 1, 1, 1, 1, 1 FROM n;");
}

const std::string LIST = "frmTransakcii", GRID = "grdTransakcii";

void closeList() {
    if (ui::windowExists(LIST)) ui::Win(LIST).release();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bench::ScratchDatabase scratch;
    sqlite3* const db = scratch.db;
    createItems(db);
    shell::app().DB = db;
    ui::defineWindow({.name = "frmMain", .kind = ui::WindowKind::Main, .title = "Kasavel"});

    std::printf("payment item list of one payer, %d items (of %d), best of %d runs\n", itemCount,
                itemCount + otherPayerItems, bench::runs);
    const std::string query = payments::itemListQuery("1");
    // The memory the opening takes at its peak, beside the text of the rows it
    // shows: the first time, and again after closing, without what the first
    // window of the process sets up once (styles, fonts, the database's cache).
    for (const char* figure : {"memory: opening, at its peak", "memory: opening again, at peak"}) {
        closeList();
        malloc_trim(0);
        const long before = bench::residentBytes();
        bench::resetPeak();
        payments::TRANSAKCII();
        const long peak = bench::peakBytes() - before;
        const std::size_t raw = ui::Ctl(LIST, GRID).rows().textBytes();
        std::printf("  %-34s %9.1f MB   %-30s %9.1f MB   %5.2fx\n", figure, peak / 1e6, "raw text of the rows",
                    raw / 1e6, static_cast<double>(peak) / static_cast<double>(raw));
    }

    const double open = best([] { payments::TRANSAKCII(); }, closeList);
    const double plain = best([&] { readPlain(db, query); });
    report("open: window, query, shown rows", open, "sqlite3 into vector<string>", plain);
    const ui::TextTable stored = shell::SQL(db, query);
    const double shape = best([&] { payments::shownItemRows(stored); });
    report("  of which: dates and amounts shown", shape, "sqlite3 into vector<string>", plain);

    const ui::Ctl grid(LIST, GRID);
    std::printf("  (the grid holds %zu lines)\n", grid.rows().rows());
    bench::reportHeaderClick(grid.rows(), surnameColumn, ui::detail::control(LIST, GRID).on.headClick);
    bench::reportSearch(grid.rows(), surnameColumn, "Петровски Зxq", "зxq", "Зxq");

    bench::reportCsv(listkit::ExportTable{layouts::AHEADERSTRANSAKCII, grid.rows()}, scratch.folder.path() / "stavki.csv");

    ui::releaseAllWindows();
    return 0;
}
