#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/parametri_sql.h"
#include "shell/sql1.h"
#include "support/recording_interaction.h"

namespace {

using namespace shell;

const std::string STORED =
    " select TrezorskaSmetkaNaRM, TrezorskaSmetkaNaFZOM, PodsmetkaGotovinaNaRM, PodsmetkaGotovinaNaFZOM,"
    " KontoGotovinaNaRM, KontoGotovinaNaFZOM, ProcentZaPD, typeof(ProcentZaPD), UplatnaSmetkaZaPD1,"
    " UplatnaSmetkaZaPD2, ProcentZaDDV, typeof(ProcentZaDDV) from Parametri order by ID";

class Parametri : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK); }
    void TearDown() override { sqlite3_close(db); }
    std::vector<std::string> storedRow(std::size_t row = 0) { return SQL(db, STORED).row(row); }
    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(Parametri, FirstStartCreatesTheTableWithTheDefaultRow) {
    const TreasuryParameters p = loadParameters(db);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(SQL(db, "select count(*) from Parametri").at(0, 0), "1");
    EXPECT_EQ(storedRow(), (std::vector<std::string>{"100000000063095", "100000000066005", "630010001988921",
                                                     "660000000079812", "000000", "000000", "10", "integer", "840",
                                                     "01242", "18", "integer"}));
    EXPECT_EQ(p.trezorskaSmetkaNaRM, "100000000063095");
    EXPECT_EQ(p.procentZaPD, 10);
    EXPECT_EQ(p.procentZaDDV, 18);
    // The next start reads the row and inserts nothing more.
    loadParameters(db);
    EXPECT_EQ(SQL(db, "select count(*) from Parametri").at(0, 0), "1");
}

TEST(ParametriStatements, CreateAtStartUpAndInTheWindow) {
    EXPECT_EQ(PARAMETRICREATE,
              "CREATE TABLE IF NOT EXISTS Parametri ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
              "TrezorskaSmetkaNaRM\tCHAR(18), TrezorskaSmetkaNaFZOM\tCHAR(18), PodsmetkaGotovinaNaRM\tCHAR(18), "
              "PodsmetkaGotovinaNaFZOM\tCHAR(18), KontoGotovinaNaRM\tCHAR(6), KontoGotovinaNaFZOM\tCHAR(6), "
              "ProcentZaPD\tNUMERIC(2, 0), UplatnaSmetkaZaPD1\tCHAR(18), UplatnaSmetkaZaPD2\tCHAR(18), "
              "ProcentZaDDV\tNUMERIC(2, 0));");
    EXPECT_EQ(PARAMETRICREATEWINDOW,
              "CREATE TABLE IF NOT EXISTS Parametri ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
              "TrezorskaSmetkaNaRM\tCHAR(18), TrezorskaSmetkaNaFZOM\tCHAR(18), PodsmetkaGotovinaNaRM\tCHAR(18), "
              "PodsmetkaGotovinaNaFZOM\tCHAR(18), KontoGotovinaNaRM\tCHAR(6), KontoGotovinaNaFZOM\tCHAR(6), "
              "ProcentZaPD\tNUMERIC(2, 0),  UplatnaSmetkaZaPD1\tCHAR(18), UplatnaSmetkaZaPD2\tCHAR(18), "
              "ProcentZaDDV\tNUMERIC(2, 0));");
}

TEST_F(Parametri, TheDefaultsAreInsertedWithTheirPercentsAsTwoCharacterTexts) {
    EXPECT_EQ(parametriInsert(TreasuryParameters{}),
              "insert into Parametri (TrezorskaSmetkaNaRM, TrezorskaSmetkaNaFZOM, PodsmetkaGotovinaNaRM, "
              "PodsmetkaGotovinaNaFZOM, KontoGotovinaNaRM, KontoGotovinaNaFZOM, ProcentZaPD, UplatnaSmetkaZaPD1, "
              "UplatnaSmetkaZaPD2, ProcentZaDDV) values ('100000000063095', '100000000066005', '630010001988921', "
              "'660000000079812', '000000', '000000', '10', '840', '01242', '18');");
}

TEST_F(Parametri, TheFirstOfSeveralRowsIsLoadedAndASaveWritesThemAll) {
    ASSERT_TRUE(MISCSQL1(db, PARAMETRICREATE));
    ASSERT_TRUE(MISCSQL1(db, "insert into Parametri (TrezorskaSmetkaNaRM, ProcentZaPD, ProcentZaDDV) values "
                             "(' 1 ', '7', NULL), ('2', '9', '9');"));
    const TreasuryParameters p = loadParameters(db);
    EXPECT_EQ(p.trezorskaSmetkaNaRM, " 1 ");  // as stored, not trimmed
    EXPECT_EQ(p.trezorskaSmetkaNaFZOM, "");
    EXPECT_EQ(p.procentZaPD, 7);
    EXPECT_EQ(p.procentZaDDV, 0);
    TreasuryParameters changed = p;
    changed.procentZaPD = 15;
    changed.kontoGotovinaNaRM = "O'Neil";
    changed.uplatnaSmetkaZaPD2 = "   ";
    ASSERT_TRUE(storeParameters(db, changed));
    for (std::size_t r = 0; r < 2; ++r) {
        const auto row = storedRow(r);
        EXPECT_EQ(row[4], "O'Neil");
        EXPECT_EQ(row[6], "15");
        EXPECT_EQ(row[7], "integer");
        EXPECT_EQ(row[9], "   ");  // blanks stay blanks
    }
    EXPECT_EQ(SQL(db, "select count(*) from Parametri").at(0, 0), "2");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Parametri, ASaveIntoAnEmptyTableInsertsTheRow) {
    ASSERT_TRUE(MISCSQL1(db, PARAMETRICREATE));
    TreasuryParameters p;
    p.trezorskaSmetkaNaRM = "111";
    p.procentZaDDV = 5;
    ASSERT_TRUE(storeParameters(db, p));
    ASSERT_EQ(SQL(db, "select count(*) from Parametri").at(0, 0), "1");
    EXPECT_EQ(storedRow()[0], "111");
    EXPECT_EQ(storedRow()[10], "5");
    // The next save updates that row.
    p.trezorskaSmetkaNaRM = "222";
    ASSERT_TRUE(storeParameters(db, p));
    EXPECT_EQ(SQL(db, "select count(*) from Parametri").at(0, 0), "1");
    EXPECT_EQ(storedRow()[0], "222");
}

TEST_F(Parametri, AFailedReadGivesTheDefaultsAndWritesNothing) {
    // A table of that name without the expected columns: the read fails.
    ASSERT_TRUE(MISCSQL1(db, "CREATE TABLE Parametri (ID INTEGER PRIMARY KEY, Other TEXT);"));
    const TreasuryParameters p = loadParameters(db);
    EXPECT_EQ(p.trezorskaSmetkaNaRM, "100000000063095");
    EXPECT_EQ(p.procentZaDDV, 18);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0], "stop||no such column: TrezorskaSmetkaNaRM Query is : " + PARAMETRISELECT);
    EXPECT_EQ(SQL(db, "select count(*) from Parametri").at(0, 0), "0");
}

TEST_F(Parametri, AFailedUpdateIsReported) {
    ASSERT_TRUE(MISCSQL1(db, PARAMETRICREATE));
    loadParameters(db);
    ASSERT_TRUE(MISCSQL1(db, "CREATE TRIGGER locked BEFORE UPDATE ON Parametri BEGIN SELECT RAISE(ABORT, 'locked'); END;"));
    TreasuryParameters p;
    p.procentZaPD = 20;
    EXPECT_FALSE(storeParameters(db, p));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0], "stop||locked Query is : " + parametriUpdate(p));
    EXPECT_EQ(storedRow()[6], "10");
}

TEST(ParametriNumbers, LeadingNumberOfAText) {
    struct Case {
        std::string text;
        double number;
    } cases[] = {{"10", 10}, {" 18", 18}, {"15.5", 15.5}, {"12abc", 12}, {"", 0}, {"abc", 0}, {"-3", -3}, {"+4", 4}};
    for (const Case& c : cases) EXPECT_EQ(leadingNumber(c.text), c.number) << '"' << c.text << '"';
}

}  // namespace
