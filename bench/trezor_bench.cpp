// kasavel-trezor-bench: the treasury orders overview over one payer's 100,000
// unsubmitted orders (open, select all, build the file), each figure beside a
// baseline measured in the same run.
#include <malloc.h>
#include <sqlite3.h>
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "platform/desktop/files.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "registers/current_payer.h"
#include "registers/isplakjaci_sql.h"
#include "shell/app_state.h"
#include "shell/entries.h"
#include "shell/sql1.h"
#include "shell/statement.h"
#include "support/recording_interaction.h"
#include "treasury/nalozi_table.h"
#include "treasury/order_file.h"
#include "treasury/order_filters.h"
#include "treasury/order_list_row.h"
#include "treasury/overview_batch.h"
#include "plain_read.h"
#include "memory.h"
#include "timing.h"
#include "people.h"
#include "scratch_database.h"
#include "synced_write.h"

namespace {

using bench::readPlain;

// A run over 100,000 orders takes long: fewer runs.
constexpr int orderCount = 100000, runs = 3;

double best(const std::function<void()>& step, const std::function<void()>& prepare = {}) {
    return bench::best(step, prepare, runs);
}

void report(const char* what, double ms, const char* baseline, double baseMs) {
    bench::report(what, ms, baseline, baseMs, {.what = 38, .baseline = 34, .ratio = 6});
}

// One state-treasury payer and its unsubmitted orders of forms 60, 70 and 80,
// to some 5,000 recipients with purposes of varied words and lengths.
void createOrders(sqlite3* db) {
    for (const std::string& statement : registers::payerCreateStatements()) shell::MISCSQL1(db, statement);
    shell::MISCSQL1(db,
                    "INSERT INTO Opstini (ID, Sifra, Opis, Status) VALUES (1, '017', 'Струга', 1);"
                    "INSERT INTO Isplakjaci VALUES (1, 'ООУ Браќа Миладиновци', '', '', 'Струга', '1234567', "
                    "'4030990123456', '', '101', 0, 1, 'OBM', 'TRZ', '11', '');");
    shell::MISCSQL1(db, treasury::naloziCreate());
    shell::MISCSQL1(db, "CREATE TEMP TABLE People (n INTEGER PRIMARY KEY, name TEXT, purpose TEXT)");
    {
        shell::Transaction t(db);
        shell::Statement insert(db, "INSERT INTO People VALUES (?1, ?2, ?3)");
        for (int n = 0; n < 5000; ++n) {
            const bench::Person who = bench::person(n);
            t.run(insert, {std::to_string(n), who.firstName + " " + who.surname + " " + who.place, bench::note(n)});
        }
        t.commit();
    }
    shell::MISCSQL1(
        db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(orderCount) +
                ") INSERT INTO Nalozi SELECT i, '', printf('202612%02d', i % 28 + 1), '100000000063095', "
                "'788014101263814', '424110', '11', p.purpose, '000000', "
                "printf('%19.2f', (i * 7919 % 10000000) / 100.0), printf('5000000%08d', i * 13 % 4999), "
                "p.name, '', '', '', printf('%013d', 1000000000 + i), CASE i % 3 WHEN 0 THEN '60' WHEN 1 THEN '70' "
                "ELSE '80' END, '2', '', 1, 1, 1, i % 50 + 1, 0, 0 FROM n JOIN People p ON p.n = i * 7 % 5000;");
    shell::MISCSQL1(db, "DROP TABLE People");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing_support::RecordingInteraction answers;
    const bench::ScratchDatabase scratch;
    const std::filesystem::path& folder = scratch.folder.path();
    sqlite3* const db = scratch.db;
    shell::app().DB = db;
    shell::app().CFOLDERNAINSTALACIJABAZA = folder.string();
    createOrders(db);
    const std::string window = "frmVPregledTrezor", grid = "grdVPregledTrezor";
    const auto close = [&] {
        if (ui::windowExists(window)) ui::Win(window).release();
    };
    std::vector<int> all(orderCount);
    std::iota(all.begin(), all.end(), 1);

    std::printf("treasury orders overview, one payer with %d unsubmitted orders, best of %d runs\n", orderCount, runs);
    const double open = best([] { treasury::VPREGLEDTREZOR(); }, close);
    const double plain = best([&] { readPlain(db, treasury::overviewQuery("1", {})); });
    report("open: window with its list", open, "sqlite3 into vector<string>", plain);

    const ui::Ctl list(window, grid);
    const double select = best([&] { list.selection(all); }, [&] { list.selection({}); });
    const ui::TextTable& rows = list.rows();
    double sum = 0;
    const double strtodSum = best([&] {
        for (std::size_t r = 0; r < rows.rows(); ++r) sum += std::strtod(rows.at(r, 10).c_str(), nullptr);
    });
    std::printf("  (selected %s orders, total %s denars)\n", ui::Ctl(window, "txtVkupnoVir").text().c_str(),
                ui::Ctl(window, "txtVkupenIznos").text().c_str());
    report("select all: selection and its totals", select, "strtod over the amount column", strtodSum);

    // The batch: the selected rows read again by ID, the rows of the file.
    std::vector<std::string> ids;
    for (std::size_t r = 0; r < rows.rows(); ++r) ids.push_back(rows.at(r, 0));
    registers::CurrentPayer payer;
    registers::ISPLAKJACICITAJ("1", payer);
    treasury::OverviewBatch batch;
    // Each from the same heap: what earlier steps freed given back first, so
    // that neither reuses pages the other had to fault in.
    const auto freshHeap = [] { ::malloc_trim(0); };
    const double build = best(
        [&] { batch = treasury::storedOverviewBatch(db, rows, all, payer, "20261210", "20261211"); },
        [&] {
            batch = {};
            freshHeap();
        });
    const double reread = best([&] { readPlain(db, treasury::storedOrdersQuery(ids)); }, freshHeap);
    report("batch: orders read again, file rows", build, "sqlite3 of the same IDs", reread);

    // Both to a new file, synced and renamed into place, as the treasury file is.
    const std::filesystem::path target = folder / "N1012261.OBM";
    const auto removeTarget = [&] { std::filesystem::remove(target); };
    const double file = best(
        [&] {
            desktop::FileWriter out(target.string());
            treasury::writeOrderFile(batch.input, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1',
                                     [&out](std::string_view piece) { return out.write(piece); });
            out.commit();
        },
        removeTarget);
    const std::string bytes = treasury::orderFile(batch.input, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1');
    const double write = best([&] { bench::writeSynced(target, bytes); }, removeTarget);
    report("file of the batch, synced and renamed", file, "its bytes written, synced, renamed", write);

    // The whole confirm: batch, question, file, specification, submission.
    const auto again = [&] {
        close();
        shell::MISCSQL1(db, "UPDATE Nalozi SET DatumNaPodnesuvanje = ''");
        std::filesystem::remove_all(folder / "TREZOR");
        treasury::VPREGLEDTREZOR();
        ui::Ctl(window, grid).selection(all);
        answers.answers = {true, true};
        answers.paths = {(folder / "TREZOR" / "N1012261.OBM").string()};
    };
    // The memory the confirm takes above the open window with its selection,
    // what earlier steps freed given back first.
    again();
    const double rawMb = static_cast<double>(ui::Ctl(window, grid).rows().textBytes()) / 1e6;
    ::malloc_trim(0);
    const double windowMb = bench::residentMb();
    bench::resetPeak();
    ui::detail::control(window, "btnConfirm").on.click();
    const double confirmMb = bench::peakMb() - windowMb;
    const double confirm = best([&] { ui::detail::control(window, "btnConfirm").on.click(); }, again);
    // The submission's own work: one prepared UPDATE bound per ID, in one transaction.
    const double update = best([&] {
        shell::Transaction t(db);
        shell::Statement set(db, "UPDATE Nalozi SET DatumNaPodnesuvanje = ?1 WHERE ID = ?2");
        for (const std::string& id : ids) t.run(set, {"20261210", id});
        t.commit();
    });
    const auto submitted = shell::SQL(db, "SELECT count(*) FROM Nalozi WHERE DatumNaPodnesuvanje = '20261210'");
    std::printf("  (%zu bytes in the file, %s orders submitted, %s)\n", bytes.size(),
                submitted.empty() ? "?" : submitted.at(0, 0).c_str(), answers.shown.back().c_str());
    report("confirm: batch, file, preview, submission", confirm, "re-read + prepared UPDATEs + write, sync",
           reread + update + write);
    std::printf("  %-38s %9.1f MB   %-34s %9.1f MB   %6.2fx\n", "confirm: memory above the open window", confirmMb,
                "raw text of the list's rows", rawMb, confirmMb / rawMb);
    close();
    ui::releaseAllWindows();
    return 0;
}
