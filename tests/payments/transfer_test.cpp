// The employee transfer on a database: statements as written, the stored
// recipients, accounts and items, the fixed rows, and every rollback.
#include "payments/transfer.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "payments/transakcii_table.h"
#include "registers/code_table_sql.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "registers/revenue_sql.h"
#include "shell/sql1.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace {

using namespace payments;

Employment employee(const std::string& mat, const std::string& ime, const std::string& kart,
                    const std::string& poc = "20200101", const std::string& kraj = "") {
    return {mat, ime, "Petrovski           ", "Ilindenska 5  ", "017", kart, poc, kraj};
}

const TransferItem ITEM{.bruto = 30000, .danok = 2700, .neto = 27300, .payerAccountId = "3"};

class Transfer : public ::testing::Test {
protected:
    void SetUp() override { open(":memory:"); }
    void TearDown() override { sqlite3_close(db); }

    void open(const std::string& file) {
        sqlite3_close(db);
        ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        std::vector<std::string> statements = registers::payerCreateStatements();
        for (const auto& s : registers::recipientCreateStatements()) statements.push_back(s);
        for (const char* table : {"TipoviKalkulacii", "TipoviPlacanja"})
            statements.push_back(registers::codeTableCreate(table));
        statements.push_back(registers::revenueTypeCreate());
        statements.push_back(registers::subRevenueCreate());
        statements.push_back(transakciiCreate());
        statements.push_back(
            "PRAGMA foreign_keys = ON;"
            "INSERT INTO Opstini VALUES (5, '017', 'Центар', 1), (6, '01''', 'Кисела Вода', 1);"
            "INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID) "
            "VALUES (1, 'ООУ', 'Скопје', '1', '1', 5);"
            "INSERT INTO IsplakjaciZiroSmetki VALUES (3, 1, '300000000000001');"
            "INSERT INTO TipoviPrihodi (ID, Sifra, Opis) VALUES (28, '28', 'Приход');"
            "INSERT INTO Potprihodi (ID, Sifra, Opis, TipoviPrihodiID) VALUES (49, '049', 'Потприход', 28);"
            "INSERT INTO TipoviKalkulacii VALUES (1, '1', 'Бруто', 1);"
            "INSERT INTO TipoviPlacanja VALUES (1, '1', 'Сметка', 1);"
            // What an earlier transfer left: replaced whole by the next one.
            "INSERT INTO Primaci (ID, Ime, Prezime, MaticenBroj, EMBG, OpstiniID, DDVObvrznik) "
            "VALUES (40, 'Стар', 'Примач', '0', '9', 5, 0);"
            "INSERT INTO PrimaciZiroSmetki VALUES (41, 40, '111');"
            "INSERT INTO Transakcii (ID, IznosBruto, IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, "
            "TipoviKalkulaciiID, TipoviPlacanjaID) VALUES (42, 5, 3, 41, 28, 1, 1);");
        for (const auto& s : statements) ASSERT_TRUE(shell::MISCSQL1(db, s)) << s;
    }

    // The three tables as stored, one line per row.
    std::vector<std::string> dump() {
        std::vector<std::string> lines;
        for (const char* query :
             {"SELECT 'P', ID, quote(Ime), quote(Prezime), quote(Adresa), quote(Mesto), quote(OpstiniID), quote(EMBG), "
              "quote(DDVObvrznik), quote(MaticenBroj), quote(AdresaBroj), quote(EMail) FROM Primaci ORDER BY ID",
              "SELECT 'Z', ID, quote(PrimaciID), quote(ZiroSmetka) FROM PrimaciZiroSmetki ORDER BY ID",
              "SELECT 'T', ID, quote(DatumNaPlacanje), quote(DatumPeriodOd), quote(DatumPeriodDo), quote(IznosAvans), "
              "quote(IznosBruto), quote(IznosOdbitoci), quote(IznosDanok), quote(IznosNeto), quote(IznosDDV), "
              "quote(BrojResenieDo), quote(DatumResenieDo), quote(Komentar), IsplakjaciZiroSmetkiID, "
              "PrimaciZiroSmetkiID, TipoviPrihodiID, quote(PotprihodiID), TipoviKalkulaciiID, TipoviPlacanjaID "
              "FROM Transakcii ORDER BY ID"}) {
            const auto rows = shell::SQL(db, query);
            for (std::size_t r = 0; r < rows.rows(); ++r) {
                std::string line;
                for (const auto& cell : rows.row(r)) line += (line.empty() ? "" : " ") + cell;
                lines.push_back(line);
            }
        }
        return lines;
    }

    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

const std::vector<std::string> UNCHANGED = {
    "P 40 'Стар' 'Примач' NULL NULL 5 '9' 0 '0' NULL NULL",
    "Z 41 40 '111'",
    "T 42 NULL NULL NULL NULL 5 NULL NULL NULL NULL NULL NULL NULL 3 41 28 NULL 1 1",
};

TEST_F(Transfer, StatementsAsWritten) {
    const Employment e{"0101990450001", "  Pet'ar  ", "^ov{ko", " Ul. D'Arc ", "017", "3000'", "", ""};
    EXPECT_EQ(recipientInsert(e, "5"),
              "insert into Primaci  (Ime, Prezime, Adresa, Mesto, OpstiniID, EMBG, DDVObvrznik, MaticenBroj)  values  "
              "('Пет''ар', 'Човшко', ' Ul. D''Arc ', '', '5', '0101990450001', 0, '0000000');");
    const Employment blank{"             ", "", "", "   ", "", "", "", ""};
    EXPECT_EQ(recipientInsert(blank, ""),
              "insert into Primaci  (Ime, Prezime, Adresa, Mesto, OpstiniID, EMBG, DDVObvrznik, MaticenBroj)  values  "
              "('', '', '', '', '', '', 0, '0000000');");
    EXPECT_EQ(recipientAccountInsert("12", " 3000' "),
              "insert into PrimaciZiroSmetki  (PrimaciID, ZiroSmetka)  values  ('12', ' 3000'' ');");
    EXPECT_EQ(transferredItemInsert(ITEM, "13"),
              "insert into Transakcii  (DatumNaPlacanje, DatumPeriodOd, DatumPeriodDo, IznosAvans, IznosBruto, "
              "IznosOdbitoci, IznosDanok, IznosNeto, IznosDDV, BrojResenieDo, DatumResenieDo, Komentar, "
              "IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, "
              "TipoviPlacanjaID)  values  ('', '', '', '0', '    30000', '0', '     2700', '    27300', '0', '', '', '', "
              "'3', '13', '28', '49', '1', '1');");
}

TEST_F(Transfer, MunicipalityById) {
    EXPECT_EQ(NAJDICID(db, "Opstini", "Sifra", "017"), "5");
    EXPECT_EQ(NAJDICID(db, "Opstini", "Sifra", "01'"), "6");
    EXPECT_EQ(NAJDICID(db, "Opstini", "Sifra", "017 "), "");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Transfer, ReplacesEverythingWithTheEmployeesOfHalfTheYear) {
    Employment quoted = employee("0303990450003", "D'Ark", "300000000211222", "20260702");
    quoted.adrRab = "Bul. Ilinden 1";
    quoted.opsRab = "99 ";  // no such municipality
    const std::vector<Employment> records = {
        employee("0101990450001", "Ana", "               "),
        employee("0202990450002", "Kratok", "200000000000002", "20260703"),
        quoted,
        employee("0404990450004", "@arko", "               ", "20260101", "20260331"),
        employee("0404990450004", "@arko", "               ", "20260501"),
    };
    ASSERT_TRUE(PREFRLI(db, records, ITEM, 2026));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"plain||Префрлањето успешно!"}));
    // New IDs follow the old ones; the two blank accounts each get their own row.
    EXPECT_EQ(dump(), (std::vector<std::string>{
                          "P 41 'Ана' 'Петровски' 'Ilindenska 5  ' '' 5 '0101990450001' 0 '0000000' NULL NULL",
                          "P 42 'Д''Арк' 'Петровски' 'Bul. Ilinden 1' '' '' '0303990450003' 0 '0000000' NULL NULL",
                          "P 43 'Жарко' 'Петровски' 'Ilindenska 5  ' '' 5 '0404990450004' 0 '0000000' NULL NULL",
                          "Z 42 41 '               '",
                          "Z 43 42 '300000000211222'",
                          "Z 44 43 '               '",
                          "T 43 '' '' '' 0 30000 0 2700 27300 0 '' '' '' 3 42 28 49 1 1",
                          "T 44 '' '' '' 0 30000 0 2700 27300 0 '' '' '' 3 43 28 49 1 1",
                          "T 45 '' '' '' 0 30000 0 2700 27300 0 '' '' '' 3 44 28 49 1 1",
                      }));
    // A second transfer replaces what the first made.
    ui.shown.clear();
    ASSERT_TRUE(PREFRLI(db, {employee("0505990450005", "Nov", "5")}, ITEM, 2026));
    EXPECT_EQ(dump(), (std::vector<std::string>{
                          "P 44 'Нов' 'Петровски' 'Ilindenska 5  ' '' 5 '0505990450005' 0 '0000000' NULL NULL",
                          "Z 45 44 '5'",
                          "T 46 '' '' '' 0 30000 0 2700 27300 0 '' '' '' 3 45 28 49 1 1",
                      }));
}

TEST_F(Transfer, NobodyToTransferDeletesNothing) {
    const std::vector<Employment> cases[] = {
        {},  // a table without records, or one whose damaged header counted none
        {employee("1", "Ana", "1", "20260801"), employee("2", "Bor", "2", "20200101", "20250101")},
    };
    for (const auto& records : cases) {
        SCOPED_TRACE(records.size());
        ui.shown.clear();
        EXPECT_FALSE(PREFRLI(db, records, ITEM, 2026));
        EXPECT_EQ(dump(), UNCHANGED);
        EXPECT_EQ(ui.shown, (std::vector<std::string>{
                                "info|Грешка!!!|Во датотеката за работниците нема ниту еден работник со повеќе од 182 "
                                "работни дена оваа година: ништо не е префрлено ниту избришано."}));
    }
}

TEST_F(Transfer, FailuresRollBack) {
    const std::vector<Employment> records = {employee("1", "Ana", "1"), employee("2", "Bor", "2")};
    struct Case {
        const char* what;
        std::string before;  // what makes it fail
        std::vector<std::string> shown;
        std::string after = "";
    } cases[] = {
        {"an insert refused by a foreign key",
         "PRAGMA foreign_keys = OFF; DELETE FROM TipoviKalkulacii; PRAGMA foreign_keys = ON",
         {"stop||FOREIGN KEY constraint failed Query is : " + transferredItemInsert(ITEM, "42")}},
        {"a recipient refused",
         "CREATE TRIGGER NoRecipient BEFORE INSERT ON Primaci BEGIN SELECT RAISE(ABORT, 'refused'); END",
         {"stop||refused Query is : " + recipientInsert(records[0], "5")}},
        {"an account refused by its unique index",
         "CREATE UNIQUE INDEX Everyone ON PrimaciZiroSmetki (PrimaciID < 0)",
         {"stop||UNIQUE constraint failed: index 'Everyone' Query is : " + recipientAccountInsert("42", "2")}},
        {"emptying a table fails",
         "CREATE TRIGGER Keep BEFORE DELETE ON PrimaciZiroSmetki BEGIN SELECT RAISE(ABORT, 'kept'); END",
         {"stop||kept Query is : delete from PrimaciZiroSmetki", "plain||Проблеми при бришење од табелатаPrimaciZiroSmetki!"},
         "DROP TRIGGER Keep"},
        {"the transaction cannot begin",
         "BEGIN TRANSACTION",
         {"stop||cannot start a transaction within a transaction Query is : BEGIN TRANSACTION",
          "plain||Бришењето неуспешно!"},
         "ROLLBACK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(shell::MISCSQL1(db, c.before));
        ui.shown.clear();
        EXPECT_FALSE(PREFRLI(db, records, ITEM, 2026));
        EXPECT_EQ(ui.shown, c.shown);
        if (!c.after.empty()) {
            ASSERT_TRUE(shell::MISCSQL1(db, c.after));
        }
        EXPECT_EQ(dump(), UNCHANGED);
        TearDown();
        SetUp();
    }
}

TEST_F(Transfer, FailedCommitRollsBack) {
    testing_support::TempFolder folder;
    const std::string file = folder.file("Kasavel.db");
    open(file);
    // Another program reading the database keeps the commit from writing it.
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT COUNT(*) FROM Primaci;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_FALSE(PREFRLI(db, {employee("1", "Ana", "1")}, ITEM, 2026));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"stop||database is locked Query is : COMMIT;",
                                                  "plain||Префрлањето неуспешно: ништо не е променето!"}));
    sqlite3_exec(reader, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(reader);
    EXPECT_EQ(dump(), UNCHANGED);
    EXPECT_NE(sqlite3_get_autocommit(db), 0);
}

TEST_F(Transfer, FixedRowsNamedWhenMissing) {
    EXPECT_EQ(missingFixedRow(db, "3"), std::nullopt);
    const struct {
        const char* remove;
        const char* payerAccount;
        const char* message;
    } cases[] = {
        {"DELETE FROM Transakcii; DELETE FROM Potprihodi; DELETE FROM TipoviPrihodi", "3",
         "Префрлањето не може да се направи: во базата не постои вид на приход со ID 28!"},
        {"DELETE FROM Potprihodi", "3", "Префрлањето не може да се направи: во базата не постои потприход со ID 49!"},
        {"DROP TABLE Transakcii; DROP TABLE TipoviKalkulacii", "3",
         "Префрлањето не може да се направи: во базата не постои тип на калкулација со ID 1!"},
        {"DELETE FROM Transakcii; DELETE FROM TipoviPlacanja", "3",
         "Префрлањето не може да се направи: во базата не постои тип на плаќање со ID 1!"},
        {"SELECT 1", "4", "Префрлањето не може да се направи: во базата не постои жиро сметка на исплаќачот со ID 4!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.remove);
        ASSERT_TRUE(shell::MISCSQL1(db, c.remove));
        EXPECT_EQ(missingFixedRow(db, c.payerAccount), c.message);
        EXPECT_TRUE(ui.shown.empty());
        TearDown();
        SetUp();
    }
}

TEST_F(Transfer, LockedReadOfTheFixedRowsIsNoMissingRow) {
    testing_support::TempFolder folder;
    const std::string file = folder.file("Kasavel.db");
    open(file);
    sqlite3* writer = nullptr;  // another program in the middle of writing the file
    ASSERT_EQ(sqlite3_open(file.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(missingFixedRow(db, "3"), "");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].starts_with("stop||database is locked Query is : ")) << ui.shown[0];
    sqlite3_exec(writer, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_EQ(missingFixedRow(db, "3"), std::nullopt);
}

}  // namespace
