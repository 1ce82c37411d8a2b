// kasavel-orders-bench: the order list of one payer holding 100,000 orders
// (open, sort, search), each figure beside the toolkit's baseline measured in
// the same run.
#include <sqlite3.h>
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "support/recording_interaction.h"
#include "treasury/nalozi_table.h"
#include "list_figures.h"
#include "macedonian_people.h"
#include "plain_read.h"
#include "timing.h"
#include "scratch_database.h"

namespace {

using bench::best, bench::readPlain, bench::report, bench::runs;

constexpr int orderCount = 100000;
constexpr int nameColumn = 13;  // the recipient's name

// One payer with its account and account code, and its orders of form 60.
void createOrders(sqlite3* db) {
    shell::MISCSQL1(db,
                    "CREATE TABLE Isplakjaci (ID INTEGER PRIMARY KEY, Naziv TEXT, Sediste TEXT, VidNaTrezor TEXT);"
                    "INSERT INTO Isplakjaci VALUES (1, 'ООУ Браќа Миладиновци', 'Струга', 'TRZ');"
                    "CREATE TABLE IsplakjaciZiroSmetki (ID INTEGER PRIMARY KEY, IsplakjaciID INTEGER, ZiroSmetka TEXT);"
                    "INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, '788014101263814');"
                    "CREATE TABLE Konta (ID INTEGER PRIMARY KEY, Sifra TEXT, Opis TEXT, Status INTEGER);"
                    "INSERT INTO Konta VALUES (1, '424110', 'Патни трошоци', 1);");
    shell::MISCSQL1(db, treasury::naloziCreate());
    shell::MISCSQL1(db, "CREATE TABLE People (ID INTEGER PRIMARY KEY, First TEXT, Surname TEXT, Place TEXT)");
    bench::insertPeople(db, "INSERT INTO People VALUES (?1, ?2, ?3, ?4)", 5000);
    shell::MISCSQL1(
        db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(orderCount) +
                ") INSERT INTO Nalozi SELECT i, CASE i % 3 WHEN 0 THEN '20261201' ELSE '' END, "
                "printf('202612%02d', i % 28 + 1), '100000000063095', '788014101263814', '424110', '11', "
                "'Патни трошоци за месец ' || (i % 12 + 1), '101', printf('%19.2f', (i * 7919 % 10000000) / 100.0), "
                "printf('5000000%08d', i % 997), (SELECT First || ' ' || Surname || ' ' || Place FROM People "
                "WHERE ID = (i * 761) % 5000 + 1), '', '', '', 'ПБ-' || i, '60', '2', '4030990123456', 1, 1, 1, i % 50 + 1, "
                "i % 90 + 1, 0 FROM n;");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing_support::RecordingInteraction silent;
    const bench::ScratchDatabase scratch;
    sqlite3* const db = scratch.db;
    shell::app().DB = db;
    createOrders(db);

    std::printf("order list of one payer, %d orders of form 60, best of %d runs\n", orderCount, runs);
    const auto close = [] {
        if (ui::windowExists("frmNalozi")) ui::Win("frmNalozi").release();
    };
    const double open = best([] { treasury::NALOZI("60"); }, close);
    const std::string query = layouts::STRNALOZI + " WHERE Obrazec = '60' AND t.IsplakjaciID = 1";
    const double plain = best([&] { readPlain(db, query); });
    report("open: window with its list", open, "sqlite3 into vector<string>", plain);

    bench::ShownGrid grid(ui::detail::control("frmNalozi", "grdNalozi"));
    QCoreApplication::processEvents();
    bench::reportHeaderClicks(grid, nameColumn);
    bench::reportSearches(grid, ui::Ctl("frmNalozi", "tbSearch"), nameColumn,
                          {{"search: contained, short", "зна", "зна"},
                           {"search: contained, lower case", "ѕвездова", "Ѕвездова"},
                           {"search: absent, common letters", "Караџовска", "Караџовска"},
                           {"search: a match late", "Христина", "Христина"},
                           {"search: rare letters, absent", "зxq", "зxq"}});

    close();
    ui::releaseAllWindows();
    return 0;
}
