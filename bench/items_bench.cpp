// kasavel-items-bench [ITEMS]: the payment item list of one payer with 100,000
// items (or ITEMS; and a tenth as many of another payer beside them) paid to
// 5,000 people, opened, sorted, searched and written as CSV through the real
// window, each figure beside a baseline measured in the same run.
#include <malloc.h>
#include <sqlite3.h>
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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
#include "macedonian_people.h"
#include "memory.h"
#include "timing.h"
#include "plain_read.h"
#include "scratch_database.h"

namespace {

using bench::best, bench::readPlain, bench::report;

constexpr int recipientCount = 5000;
constexpr int surnameColumn = payments::item::SURNAME;

void run(sqlite3* db, const std::string& sql) { shell::MISCSQL1(db, sql); }

// n(i) counting 1 to `count`, for the INSERT ... SELECT of the fixture.
std::string numbers(int count) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(count) + ") ";
}

void createItems(sqlite3* db, int itemCount) {
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
    // The recipients, each with a giro account of the same ID.
    bench::insertPeople(db, "INSERT INTO Primaci VALUES (?1, ?2, ?3, '', '', ?4, '', printf('%013d', ?1), '', 1, ?1 % 2)",
                        recipientCount);
    run(db, numbers(recipientCount) + "INSERT INTO PrimaciZiroSmetki SELECT i, i, printf('2100000%08d', i) FROM n;");
    // Paid and unpaid items to recipients in no order, amounts and notes varied.
    run(db, numbers(itemCount + itemCount / 10) +
                "INSERT INTO Transakcii SELECT i, (CASE WHEN i % 3 = 0 THEN printf('2026%02d15', i % 12 + 1) ELSE "
                "'' END), '', '', 0, 500 + (i * 7919) % 180000, 350, 65, 435 + (i * 7919) % 180000, 0, "
                "'08-' || (i * 37 % 2000) || '/2026', '        ', "
                "(CASE i % 5 WHEN 0 THEN 'Хонорар за месец ' || (i % 12 + 1) WHEN 1 THEN 'Авторски договор бр. ' || "
                "(i % 900 + 1) || '/2026' WHEN 2 THEN 'Надоместок за рецензија' WHEN 3 THEN 'Превод на документација, ' "
                "|| (i % 40 + 2) || ' страници' ELSE 'Членство во комисија' END), (CASE WHEN i > " +
                std::to_string(itemCount) + " THEN 2 ELSE 1 END), (i * 2654435761) % " +
                std::to_string(recipientCount) + " + 1, 1, 1, 1, 1 FROM n;");
}

const std::string LIST = "frmTransakcii", GRID = "grdTransakcii";

void closeList() {
    if (ui::windowExists(LIST)) ui::Win(LIST).release();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int itemCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const bench::ScratchDatabase scratch;
    sqlite3* const db = scratch.db;
    createItems(db, itemCount);
    shell::app().DB = db;
    ui::defineWindow({.name = "frmMain", .kind = ui::WindowKind::Main, .title = "Kasavel"});

    std::printf("payment item list of one payer, %d items (of %d) to %d people, best of %d runs\n", itemCount,
                itemCount + itemCount / 10, recipientCount, bench::runs);
    const std::string query = payments::itemListQuery("1");
    // The memory the opening takes at its peak, beside the text of the rows it
    // shows: the first time, and again after closing, without what the first
    // window of the process sets up once (styles, fonts, the database's cache).
    long beforeList = 0;
    for (const char* figure : {"memory: opening, at its peak", "memory: opening again, at peak"}) {
        closeList();
        malloc_trim(0);
        beforeList = bench::residentBytes();
        bench::resetPeak();
        payments::TRANSAKCII();
        const long peak = bench::peakBytes() - beforeList;
        const std::size_t raw = ui::Ctl(LIST, GRID).rows().textBytes();
        std::printf("  %-34s %9.1f MB   %-30s %9.1f MB   %5.2fx\n", figure, peak / 1e6, "raw text of the rows",
                    raw / 1e6, static_cast<double>(peak) / static_cast<double>(raw));
    }
    {
        bench::ShownGrid grid(ui::detail::control(LIST, GRID));
        QCoreApplication::processEvents();
        bench::reportHeaderClickMemory(grid, surnameColumn, beforeList);
    }

    const double open = best([] { payments::TRANSAKCII(); }, closeList);
    const double plain = best([&] { readPlain(db, query); });
    report("open: window, query, shown rows", open, "sqlite3 into vector<string>", plain);
    const ui::TextTable stored = shell::SQL(db, query);
    const double shape = best([&] { payments::shownItemRows(stored); });
    report("  of which: dates and amounts shown", shape, "sqlite3 into vector<string>", plain);

    bench::ShownGrid shown(ui::detail::control(LIST, GRID));
    QCoreApplication::processEvents();
    std::printf("  (the grid holds %zu lines)\n", shown.rows().rows());
    bench::reportHeaderClicks(shown, surnameColumn);
    bench::reportSearches(shown, ui::Ctl(LIST, "tbSearch"), surnameColumn,
                          {{"search: absent, common letters", "Караџовска", "Караџовска"},
                           {"search: absent, lower case", "караџовска", "Караџовска"},
                           {"search: absent, one letter more", "Петровскаа", "Петровскаа"},
                           {"search: contained, not a prefix", "иноска", "иноска"},
                           {"search: a match early", "Ѓорѓиевска", "Ѓорѓиевска"},
                           {"search: a match late", "Шуплиноска", "Шуплиноска"},
                           {"search: typed in lower case, late", "шуплиноска", "Шуплиноска"},
                           {"search: rare letters, absent", "зxq", "зxq"}});

    bench::reportCsv(listkit::ExportTable{layouts::AHEADERSTRANSAKCII, shown.rows()}, scratch.folder.path() / "stavki.csv");

    ui::releaseAllWindows();
    return 0;
}
