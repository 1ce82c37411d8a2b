#include "shell/sql1.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "support/recording_interaction.h"

namespace {

using shell::C2SQL;
using shell::MISCSQL1;
using shell::SQL;

class Sql1 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        ASSERT_TRUE(MISCSQL1(db, "CREATE TABLE t (ID INTEGER PRIMARY KEY, Name TEXT, Amount REAL, N INTEGER);"
                                 "CREATE UNIQUE INDEX tName ON t (Name);"));
    }
    void TearDown() override { sqlite3_close(db); }
    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(Sql1, RowsComeBackAsTextInSelectOrder) {
    ASSERT_TRUE(MISCSQL1(db, "INSERT INTO t (Name, Amount, N) VALUES ('Ана', 100, 7), (NULL, 2.5, NULL);"));
    const auto rows = SQL(db, "SELECT N, Name, Amount, ID FROM t ORDER BY ID");
    ASSERT_EQ(rows.rows(), 2u);
    EXPECT_EQ(rows.row(0), (std::vector<std::string>{"7", "Ана", "100.0", "1"}));
    EXPECT_EQ(rows.row(1), (std::vector<std::string>{"", "", "2.5", "2"}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Sql1, NoRowsIsNotAFailure) {
    const auto r = shell::query(db, "SELECT * FROM t WHERE ID = '42'");
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Sql1, MissingTableShowsSqliteMessageAndStatement) {
    const auto r = shell::query(db, "SELECT * FROM Nema");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.rows.empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0], "stop||no such table: Nema Query is : SELECT * FROM Nema");
}

TEST_F(Sql1, UniqueViolationIsReportedAndInsertsNothing) {
    ASSERT_TRUE(MISCSQL1(db, "INSERT INTO t (Name) VALUES ('a');"));
    const std::string insert = "INSERT INTO t (Name) VALUES ('a');";
    EXPECT_FALSE(MISCSQL1(db, insert));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0], "stop||UNIQUE constraint failed: t.Name Query is : " + insert);
    EXPECT_EQ(SQL(db, "SELECT count(*) FROM t").at(0, 0), "1");
}

TEST_F(Sql1, NoConnection) {
    EXPECT_TRUE(SQL(nullptr, "SELECT 1").empty());
    EXPECT_FALSE(MISCSQL1(nullptr, "DELETE FROM t"));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"stop||Database Connection Error!", "stop||Database Connection Error!"}));
}

TEST_F(Sql1, DeclaredDateColumnsReadAsDates) {
    ASSERT_TRUE(MISCSQL1(db, "CREATE TABLE d (D DATE, T TEXT); INSERT INTO d VALUES ('2026-12-10', '2026-12-10'), ('kiwi', 'x');"));
    const auto rows = SQL(db, "SELECT D, T FROM d");
    EXPECT_EQ(rows.row(0), (std::vector<std::string>{"20261210", "2026-12-10"}));
    EXPECT_EQ(rows.row(1), (std::vector<std::string>{"", "x"}));
}

TEST_F(Sql1, ApostropheRoundTrips) {
    const std::string name = "O'Brien ''x''";
    ASSERT_TRUE(MISCSQL1(db, "INSERT INTO t (Name) VALUES (" + C2SQL(name) + ");"));
    EXPECT_EQ(SQL(db, "SELECT Name FROM t WHERE Name = " + C2SQL(name)).at(0, 0), name);
}

TEST(C2sql, Literals) {
    EXPECT_EQ(C2SQL("it's"), "'it''s'");
    EXPECT_EQ(C2SQL("   "), "''");
    EXPECT_EQ(C2SQL(""), "''");
    EXPECT_EQ(C2SQL(" a "), "' a '");
    EXPECT_EQ(C2SQL(42), "42");
    EXPECT_EQ(C2SQL(-7LL), "-7");
    EXPECT_EQ(C2SQL(2.5), "2.5");
    EXPECT_EQ(C2SQL(true), "1");
    EXPECT_EQ(C2SQL(false), "0");
}

TEST_F(Sql1, TransactionRollsBackAtFirstFailure) {
    {
        shell::Transaction t(db);
        ASSERT_TRUE(t.open());
        EXPECT_TRUE(t.run("INSERT INTO t (Name) VALUES ('x');"));
        EXPECT_FALSE(t.run("INSERT INTO t (Name) VALUES ('x');"));
        EXPECT_FALSE(t.run("INSERT INTO t (Name) VALUES ('y');"));  // nothing more is sent
        EXPECT_FALSE(t.commit());
    }
    EXPECT_EQ(SQL(db, "SELECT count(*) FROM t").at(0, 0), "0");
}

TEST_F(Sql1, FailedCommitRollsBackAndReportsFailure) {
    ASSERT_TRUE(MISCSQL1(db, "CREATE TABLE p (ID INTEGER PRIMARY KEY); CREATE TABLE c (P INTEGER REFERENCES p(ID) DEFERRABLE INITIALLY DEFERRED);"
                             "PRAGMA foreign_keys = ON;"));
    shell::Transaction t(db);
    ASSERT_TRUE(t.run("INSERT INTO c VALUES (5);"));  // the deferred key fails only at the commit
    EXPECT_FALSE(t.commit());
    EXPECT_EQ(SQL(db, "SELECT count(*) FROM c").at(0, 0), "0");
    EXPECT_FALSE(sqlite3_get_autocommit(db) == 0) << "the transaction must not stay open";
}

}  // namespace
