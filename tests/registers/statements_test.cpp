#include <gtest/gtest.h>
#include <sqlite3.h>

#include "registers/code_table_sql.h"
#include "registers/revenue_sql.h"
#include "shell/sql1.h"
#include "support/recording_interaction.h"

namespace {

using namespace registers;

TEST(RegisterStatements, TextsAsStored) {
    EXPECT_EQ(codeTableCreate("Opstini"),
              "CREATE TABLE IF NOT EXISTS Opstini ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra\tNVARCHAR(10) "
              "NOT NULL UNIQUE, Opis\tNVARCHAR(50) NOT NULL,  Status\tINTEGER NOT NULL );");
    EXPECT_EQ(codeTableInsert("Konta", {"01", "Д'Арк", 2}),
              "insert into Konta (Sifra, Opis, Status) values ('01', 'Д''Арк', '2');");
    EXPECT_EQ(codeTableUpdate("Konta", {" 7", "x", 1}, "12"),
              "update Konta set Sifra = ' 7', Opis = 'x', Status = '1' where ID = '12';");
    EXPECT_EQ(revenueTypeUpdate({"11", "Хонорар", "840", "01242", "k", "pp", 1}, "3"),
              " UPDATE TipoviPrihodi SET  Sifra = '11',  Opis = 'Хонорар',  UplatnaSmetkaZaPD1 = '840',  "
              "UplatnaSmetkaZaPD2 = '01242',  Status = '1',  KontaID = 'k',  ProgramaPrimac = 'pp'  WHERE ID = '3';");
    EXPECT_EQ(revenueTypeInsert({"11", "O'K", "", "", "", "", 2}),
              " insert into TipoviPrihodi (Sifra, Opis, UplatnaSmetkaZaPD1, UplatnaSmetkaZaPD2, Status, KontaID, "
              "ProgramaPrimac)  values ('11', 'O''K', '', '', '2', '', '');");
    EXPECT_EQ(subRevenueInsert({"111", "Д'Арк", "4", "2", "10", "840", "01242", 5, true, 1}),
              " insert into Potprihodi (Sifra, Opis, ProcentOdbitoci, SePlakjaPD, UplatnaSmetkaZaPD1, "
              "UplatnaSmetkaZaPD2, Status, KontaID, ProgramaPrimac, TipoviPrihodiID)  values ('111', 'Д''Арк', "
              "'  5', '1', '840', '01242', '1', '2', '10', '4');");
    EXPECT_EQ(subRevenueUpdate({"111", "x", "4", "2", "", "", "", 30, false, 2}, "7"),
              " UPDATE Potprihodi SET  Sifra = '111',  Opis = 'x',  ProcentOdbitoci = ' 30',  SePlakjaPD = '0',  "
              "UplatnaSmetkaZaPD1 = '',  UplatnaSmetkaZaPD2 = '',  Status = '2',  KontaID = '2',  "
              "ProgramaPrimac = '',  TipoviPrihodiID = '4'  WHERE ID = '7';");
    EXPECT_EQ(percentText(5), "  5");
    EXPECT_EQ(percentText(100), "100");
    EXPECT_EQ(percentText(0), "  0");
}

// The statements run on a real database: created tables accept what the
// windows write, quotes and blanks come back as typed.
TEST(RegisterStatements, RoundTripOnADatabase) {
    testing_support::RecordingInteraction seam;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    ASSERT_TRUE(shell::MISCSQL1(db, codeTableCreate("Konta")));
    ASSERT_TRUE(shell::MISCSQL1(db, revenueTypeCreate()));
    ASSERT_TRUE(shell::MISCSQL1(db, subRevenueCreate()));
    ASSERT_TRUE(shell::MISCSQL1(db, codeTableInsert("Konta", {"723", "Д'Арк", 1})));
    EXPECT_FALSE(shell::MISCSQL1(db, codeTableInsert("Konta", {"723", "друго", 1})));  // the code is unique
    ASSERT_TRUE(shell::MISCSQL1(db, revenueTypeInsert({"11", "Хонорар", "840", "01242", "1", "pp", 1})));
    ASSERT_TRUE(shell::MISCSQL1(db, subRevenueInsert({"111", "Авторски", "1", "1", "", " ", "", 5, false, 1})));
    const auto types = shell::SQL(db, revenueTypeLoad());
    ASSERT_EQ(types.rows(), 1u);
    EXPECT_EQ(types.row(0), (std::vector<std::string>{"1", "Хонорар", "11", "Д'Арк", "723", "pp", "840", "01242", "1", "1"}));
    const auto subs = shell::SQL(db, subRevenueLoad());
    ASSERT_EQ(subs.rows(), 1u);
    EXPECT_EQ(subs.at(0, 7), "5");  // "  5" is stored as the number 5
    EXPECT_EQ(subs.at(0, 8), "0");
    EXPECT_EQ(subs.at(0, 11), " ");
    ASSERT_TRUE(shell::MISCSQL1(db, subRevenueUpdate({"112", "Авторски'", "1", "1", "", "", "", 100, true, 2}, "1")));
    EXPECT_EQ(shell::SQL(db, "SELECT Sifra, Opis, ProcentOdbitoci, SePlakjaPD, Status FROM Potprihodi").row(0),
              (std::vector<std::string>{"112", "Авторски'", "100", "1", "2"}));
    sqlite3_close(db);
}

}  // namespace
