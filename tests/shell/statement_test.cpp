// A statement prepared once and run with many values: what it stores, what a
// failure shows, and the transaction it runs in.
#include "shell/statement.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/sql1.h"
#include "support/recording_interaction.h"

namespace {

class Statement : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        ASSERT_TRUE(shell::MISCSQL1(db, "CREATE TABLE t (ID INTEGER PRIMARY KEY, Name TEXT UNIQUE, N INTEGER)"));
    }
    void TearDown() override { sqlite3_close(db); }
    std::vector<std::string> stored() {
        std::vector<std::string> lines;
        const auto rows = shell::SQL(db, "SELECT ID, quote(Name), quote(N) FROM t ORDER BY ID");
        for (std::size_t r = 0; r < rows.rows(); ++r)
            lines.push_back(std::string(rows.cell(r, 0)) + " " + std::string(rows.cell(r, 1)) + " " +
                            std::string(rows.cell(r, 2)));
        return lines;
    }
    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(Statement, ValuesAreTextsAsQuotedLiteralsWouldBe) {
    shell::Statement insert(db, "INSERT INTO t (Name, N) VALUES (?1, ?2)");
    ASSERT_TRUE(insert.ready());
    // An empty value is the empty text, never NULL; a column's type still converts a number.
    EXPECT_TRUE(insert.run({"Д'Арк", "    7"}));
    EXPECT_TRUE(insert.run({std::string_view(), ""}));
    ui::TextTable rows(2);
    rows.appendRow({"Ана", "x"});
    EXPECT_TRUE(insert.run(rows, 0));
    EXPECT_EQ(stored(), (std::vector<std::string>{"1 'Д''Арк' 7", "2 '' ''", "3 'Ана' 'x'"}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Statement, AFailureShowsTheStatementWithItsValuesAndTheNextRunGoesOn) {
    shell::Statement insert(db, "INSERT INTO t (Name, N) VALUES (?1, ?2)");
    ASSERT_TRUE(insert.run({"Ана", "1"}));
    EXPECT_FALSE(insert.run({"Ана", "2"}));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{
                            "stop||UNIQUE constraint failed: t.Name Query is : INSERT INTO t (Name, N) VALUES ('Ана', '2')"}));
    EXPECT_TRUE(insert.run({"Бојан", "3"}));
    EXPECT_EQ(stored(), (std::vector<std::string>{"1 'Ана' 1", "2 'Бојан' 3"}));
}

TEST_F(Statement, TextSqliteRefusesIsShownAndNothingRuns) {
    shell::Statement bad(db, "INSERT INTO nowhere VALUES (?1)");
    EXPECT_FALSE(bad.ready());
    EXPECT_FALSE(bad.run({"1"}));
    EXPECT_EQ(ui.shown,
              (std::vector<std::string>{"stop||no such table: nowhere Query is : INSERT INTO nowhere VALUES (?1)"}));
}

TEST_F(Statement, AFailedRunRollsItsTransactionBack) {
    shell::Statement insert(db, "INSERT INTO t (Name, N) VALUES (?1, ?2)");
    {
        shell::Transaction t(db);
        ASSERT_TRUE(t.run(insert, {"Ана", "1"}));
        EXPECT_FALSE(t.run(insert, {"Ана", "2"}));
        EXPECT_FALSE(t.open());
        EXPECT_FALSE(t.run(insert, {"Бојан", "3"})) << "nothing runs after the rollback";
    }
    EXPECT_TRUE(stored().empty());
    ui::TextTable rows(2);
    rows.appendRow({"Ана", "1"});
    shell::Transaction t(db);
    ASSERT_TRUE(t.run(insert, rows, 0));
    ASSERT_TRUE(t.commit());
    EXPECT_EQ(stored(), (std::vector<std::string>{"1 'Ана' 1"}));
}

}  // namespace
