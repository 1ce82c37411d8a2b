// kasavel-transfer-bench: the employee transfer of 20,000 employees (24,000
// payroll records, every fifth employee with two periods), each figure beside
// a baseline measured in the same run.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "payments/payroll.h"
#include "payments/transakcii_table.h"
#include "payments/transfer.h"
#include "registers/code_table_sql.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "registers/revenue_sql.h"
#include "shell/sql1.h"
#include "support/dbf_fixture.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "timing.h"

namespace {

using bench::best, bench::runs;

constexpr int employees = 20000;

void report(const char* what, double ms, const char* baseline, double baseMs) {
    bench::report(what, ms, baseline, baseMs, {.baseline = 34});
}

std::string digits(int n, int width) {
    std::string s = std::to_string(n);
    return std::string(static_cast<std::size_t>(width) - s.size(), '0') + s;
}

// Employees in file order of their numbers reversed, so that the sort has work.
void writePayroll(const std::string& path) {
    std::vector<testing_support::DbfRecord> records;
    for (int i = employees; i > 0; --i) {
        const std::string mat = "01019904" + digits(i, 5);
        const std::string kart = "3000000" + digits(i, 8);
        records.push_back({{mat, "Petar", "Petrovski", "Ilindenska " + std::to_string(i), "017", kart,
                            i % 3 ? "20200101" : "20260801", ""}});
        if (i % 5 == 0) records.push_back({{mat, "Petar", "Petrovski", "Ilindenska", "017", kart, "20250101", "20260331"}});
    }
    testing_support::writeDbf(path, testing_support::payrollFields(), records);
}

sqlite3* openDatabase(const std::string& file) {
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    std::vector<std::string> statements = registers::payerCreateStatements();
    for (const auto& s : registers::recipientCreateStatements()) statements.push_back(s);
    for (const char* table : {"TipoviKalkulacii", "TipoviPlacanja"}) statements.push_back(registers::codeTableCreate(table));
    statements.push_back(registers::revenueTypeCreate());
    statements.push_back(registers::subRevenueCreate());
    statements.push_back(payments::transakciiCreate());
    statements.push_back(
        "PRAGMA foreign_keys = ON;"
        "INSERT INTO Opstini VALUES (5, '017', 'Центар', 1);"
        "INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID) VALUES (1, 'ООУ', 'Скопје', '1', '1', 5);"
        "INSERT INTO IsplakjaciZiroSmetki VALUES (3, 1, '300000000000001');"
        "INSERT INTO TipoviPrihodi (ID, Sifra, Opis) VALUES (28, '28', 'Приход');"
        "INSERT INTO Potprihodi (ID, Sifra, Opis, TipoviPrihodiID) VALUES (49, '049', 'Потприход', 28);"
        "INSERT INTO TipoviKalkulacii VALUES (1, '1', 'Бруто', 1);"
        "INSERT INTO TipoviPlacanja VALUES (1, '1', 'Сметка', 1);");
    for (const auto& s : statements) shell::MISCSQL1(db, s);
    return db;
}

}  // namespace

int main() {
    testing_support::RecordingInteraction silent;
    const testing_support::TempFolder scratch;
    const std::filesystem::path& folder = scratch.path();
    const std::string table = (folder / "Radnik.dbf").string(), database = (folder / "Kasavel.db").string();
    writePayroll(table);

    std::printf("Employee transfer, %d employees (%ju bytes of payroll table), best of %d:\n", employees,
                static_cast<std::uintmax_t>(std::filesystem::file_size(table)), runs);
    payments::Payroll payroll;
    const double read = best([&] { payroll = payments::readPayroll(table); });
    const double bytes = best([&] {
        std::ifstream in(table, std::ios::binary);
        const std::string all{std::istreambuf_iterator<char>(in), {}};
        if (all.empty()) std::puts("empty");
    });
    report("read, check and sort the table", read, "read the file's bytes", bytes);

    const payments::TransferItem item{.bruto = 30000, .danok = 2700, .neto = 27300, .payerAccountId = "3"};
    sqlite3* db = nullptr;
    const auto fresh = [&] {
        sqlite3_close(db);
        db = openDatabase(database);
    };
    const double transfer = best([&] { payments::PREFRLI(db, payroll.records, item, 2026); }, fresh);
    const std::string transferred(shell::SQL(db, "SELECT COUNT(*) FROM Transakcii").cell(0, 0));
    // The same number of rows inserted with fixed statements, without a lookup or a computed value.
    const double inserts = best(
        [&] {
            shell::Transaction t(db);
            for (int i = 0; i < std::stoi(transferred); ++i) {
                t.run("insert into Primaci (Ime, Prezime, Adresa, Mesto, OpstiniID, EMBG, DDVObvrznik, MaticenBroj) "
                      "values ('Петар', 'Петровски', 'Ilindenska', '', '5', '0101990400001', 0, '0000000');");
                t.run("insert into PrimaciZiroSmetki (PrimaciID, ZiroSmetka) values (last_insert_rowid(), '1');");
                t.run("insert into Transakcii (IznosBruto, IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, "
                      "TipoviPrihodiID, TipoviKalkulaciiID, TipoviPlacanjaID) values (1, 3, last_insert_rowid(), 28, 1, 1);");
            }
            t.commit("COMMIT;");
        },
        fresh);
    std::printf("  (%s employees transferred)\n", transferred.c_str());
    report("transfer (delete, insert, commit)", transfer, "the same rows, fixed statements", inserts);
    sqlite3_close(db);
    return 0;
}
