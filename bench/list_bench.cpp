// kasavel-bench [ROWS]: the list-window toolkit on 100,000 rows (or ROWS) of 36
// columns (the payment-item shape), each figure beside a baseline measured in
// the same run.
#include <malloc.h>
#include <sqlite3.h>
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "csv_figure.h"
#include "list_figures.h"
#include "macedonian_people.h"
#include "memory.h"
#include "timing.h"
#include "listkit/list_state.h"
#include "listkit/sort.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "shell/sql1.h"
#include "plain_read.h"
#include "scratch_database.h"

namespace {

constexpr int columnCount = 36;
using bench::best, bench::readPlain, bench::report, bench::residentBytes, bench::runs;
constexpr int nameColumn = 12;

// Rows as a list window shows them: dates as dd.mm.yyyy, amounts right-aligned
// in nine characters, names and descriptions in Cyrillic.
void createItems(sqlite3* db, int rowCount) {
    std::string columns, values;
    const char* const shapes[] = {
        "i",                                                 // ID
        "printf('%02d.%02d.2026', i % 28 + 1, i % 12 + 1)",  // dates
        "printf('%02d.%02d.2026', 1, i % 12 + 1)",
        "printf('%02d.%02d.2026', 28, i % 12 + 1)",
        "printf('3000000%08d', i % 97)",  // account
        "'Персонален данок од доход'",
        "'71'",
        "'Други надоместоци'",
        "'718'",
        "'Вирман'",
        "'1'",
        "(SELECT First FROM People WHERE ID = (i * 761) % 5000 + 1)",  // 5,000 people in no order
        "(SELECT Surname FROM People WHERE ID = (i * 761) % 5000 + 1)",
        "printf('%013d', 1000000000 + i)",
        "'003'",
        "printf('2100000%08d', i)",  // EMBG, municipality, account
        "printf('%9d', 0)",
        "printf('%9d', 1000 + i % 50000)",
        "printf('%9d', 100)",
        "printf('%9d', 90)",
        "printf('%9d', 810 + i % 50000)",
        "printf('%9d', 0)",  // six amounts
        "'08-' || (i % 300)",
        "'  .  .    '",
        "'Хонорар за месец ' || (i % 12 + 1)",
        "'1'",
        "i",
        "'28'",
        "'49'",
        "'1'",
        "'1'",
        "i",
        "'741114'",
        "'000000'",
        "'840'",
        "'000000000'",
    };
    static_assert(std::size(shapes) == columnCount);
    for (int c = 0; c < columnCount; ++c) {
        columns += (c ? ", C" : "C") + std::to_string(c + 1) + " TEXT";
        values += (c ? ", " : "") + std::string(shapes[c]);
    }
    shell::MISCSQL1(db, "CREATE TABLE People (ID INTEGER PRIMARY KEY, First TEXT, Surname TEXT, Place TEXT)");
    bench::insertPeople(db, "INSERT INTO People VALUES (?1, ?2, ?3, ?4)", 5000);
    const std::string sql = "CREATE TABLE Items (" + columns +
                            ");"
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                            std::to_string(rowCount) + ") INSERT INTO Items SELECT " + values + " FROM n;";
    shell::MISCSQL1(db, sql);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int rowCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const bench::ScratchDatabase scratch;
    sqlite3* const db = scratch.db;
    createItems(db, rowCount);
    const char* const select = "SELECT * FROM Items";

    std::vector<std::string> captions;
    for (int c = 1; c <= columnCount; ++c) captions.push_back("Колона " + std::to_string(c));
    ui::defineWindow({.name = "frmBench", .title = "Bench", .width = 1000, .height = 600});
    auto state = listkit::newListState("frmBench", "grdBench", captions);
    const ui::Ctl grid = ui::addGrid("frmBench", "grdBench")
                             .at(0, 40, 990, 460)
                             .headers(captions)
                             .multiSelect(true)
                             .onHeadClick(listkit::CREATECHEADCLICK(state));
    ui::Win("frmBench").activate();

    std::printf("list-window toolkit, %d rows x %d columns, best of %d runs\n", rowCount, columnCount, runs);

    const double fill = best([&] { listkit::fill(*state, shell::SQL(db, select)); },
                             [&] { listkit::fill(*state, ui::TextTable(columnCount)); });
    const double plain = best([&] { readPlain(db, select); });
    report("fill: query into the grid", fill, "sqlite3 into vector<string>", plain);

    listkit::fill(*state, ui::TextTable(columnCount));
    malloc_trim(0);
    const long before = residentBytes();
    listkit::fill(*state, shell::SQL(db, select));
    malloc_trim(0);
    const long held = residentBytes() - before;
    const std::size_t raw = grid.rows().textBytes();
    std::printf("  %-34s %9.1f MB   %-30s %9.1f MB   %5.2fx\n", "memory: the filled list", held / 1e6,
                "raw text of the cells", raw / 1e6, static_cast<double>(held) / static_cast<double>(raw));

    const ui::TextTable& rows = grid.rows();
    std::vector<std::string> keys;
    for (std::size_t r = 0; r < rows.rows(); ++r) keys.push_back(rows.at(r, nameColumn - 1));
    std::vector<std::string> sorted;
    const double stable = best([&] { std::stable_sort(sorted.begin(), sorted.end()); }, [&] { sorted = keys; });
    const double order = best([&] { listkit::sortOrder(rows, nameColumn, 1); });
    report("sort: order of one column", order, "std::stable_sort of the keys", stable);
    bench::ShownGrid shown(ui::detail::control("frmBench", "grdBench"));
    QCoreApplication::processEvents();
    bench::reportHeaderClicks(shown, nameColumn);

    bench::reportCsv(listkit::ExportTable{captions, grid.rows()}, scratch.folder.path() / "izvoz.csv");

    ui::releaseAllWindows();
    return 0;
}
