#include "shell/sql1.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "registers/edit_window.h"
#include "shell/app_state.h"
#include "shell/database_file.h"
#include "support/current_folder.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

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

TEST_F(Sql1, RowsHandedOverOneAtATimeAreTheRowsOfTheQuery) {
    ASSERT_TRUE(MISCSQL1(db, "CREATE TABLE d (D DATE, T TEXT); INSERT INTO d VALUES ('2026-12-10', 'Ана'), "
                             "('kiwi', NULL), ('2026-01-31', 'Петар');"));
    const std::string sql = "SELECT rowid, D, T FROM d ORDER BY rowid";
    std::vector<std::vector<std::string>> handed;
    const auto r = shell::query(db, sql, [&](const ui::TextTable& row) {
        EXPECT_EQ(row.rows(), 1u);
        EXPECT_EQ(row.columns(), 3u);
        handed.push_back(row.row(0));
    });
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.rows.empty());
    const ui::TextTable whole = SQL(db, sql);
    ASSERT_EQ(handed.size(), whole.rows());
    for (std::size_t i = 0; i < handed.size(); ++i) EXPECT_EQ(handed[i], whole.row(i));
    // A query that fails is said as every query's failure is.
    const auto failed = shell::query(db, "SELECT * FROM Nema", [&](const ui::TextTable&) { ADD_FAILURE(); });
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"stop||no such table: Nema Query is : SELECT * FROM Nema"}));
}

TEST_F(Sql1, MissingTableShowsSqliteMessageAndStatement) {
    const auto r = shell::query(db, "SELECT * FROM Nema");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.busy);
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

TEST_F(Sql1, AQueryRunsExactlyOneStatement) {
    ASSERT_TRUE(MISCSQL1(db, "INSERT INTO t (Name) VALUES ('a');"));
    // Blanks, semicolons and comments after the statement are no statement.
    for (const char* sql : {"SELECT Name FROM t;", "SELECT Name FROM t ;  ; -- all\n", "SELECT Name FROM t /* x */"}) {
        const auto r = shell::query(db, sql);
        EXPECT_TRUE(r.ok) << sql;
        EXPECT_EQ(r.rows.rows(), 1u) << sql;
    }
    // A second statement is a program fault: nothing of the text runs.
    testing_support::TempFolder folder;
    testing_support::CurrentFolder here(folder.path());
    for (const char* sql : {"SELECT Name FROM t; DELETE FROM t", "SELECT 1; SELECT 2", "SELECT 1; nonsense"}) {
        SCOPED_TRACE(sql);
        ui.shown.clear();
        try {
            shell::query(db, sql);
            ADD_FAILURE() << "the program goes on";
        } catch (const testing_support::ProgramEnded& ended) {
            EXPECT_EQ(ended.code, 1);
        }
        EXPECT_EQ(ui.shown, (std::vector<std::string>{"stop|Program Error|A query holds more than one statement: " +
                                                      std::string(sql)}));
    }
    EXPECT_EQ(SQL(db, "SELECT count(*) FROM t").at(0, 0), "1");
    EXPECT_TRUE(std::filesystem::exists(folder.file("ErrorLog.Htm")));
}

TEST_F(Sql1, SplicedValuesStayLiterals) {
    // IDs of a foreign database may be any text; spliced in, each stays one
    // value and the statement stays one statement.
    ASSERT_TRUE(MISCSQL1(db, "CREATE TABLE x (ID TEXT, Name TEXT);"
                             "INSERT INTO x VALUES ('1; DELETE FROM t', 'a'), ('2'' OR ''1''=''1', 'b'), ('3', 'c');"
                             "INSERT INTO t (Name) VALUES ('kept');"));
    const std::vector<std::string> ids = {"1; DELETE FROM t", "2' OR '1'='1", " 3 "};
    for (const std::string& id : ids) {
        const auto r = shell::query(db, "SELECT Name FROM x WHERE ID = " + shell::quoted(id));
        EXPECT_TRUE(r.ok) << id;
        EXPECT_LE(r.rows.rows(), 1u) << id;
    }
    EXPECT_EQ(SQL(db, "SELECT Name FROM x WHERE ID IN (" + shell::quotedValues(ids) + ") ORDER BY Name").row(0),
              (std::vector<std::string>{"a"}));
    EXPECT_EQ(SQL(db, "SELECT count(*) FROM x WHERE ID IN (" + shell::quotedValues(ids) + ")").at(0, 0), "2");
    EXPECT_EQ(shell::quotedValues({}), "");
    EXPECT_EQ(SQL(db, "SELECT count(*) FROM t").at(0, 0), "1");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Sql1, IntegerIdsCompareEqualQuoted) {
    ASSERT_TRUE(MISCSQL1(db, "INSERT INTO t (ID, Name) VALUES (7, 'a');"));
    EXPECT_EQ(SQL(db, "SELECT Name FROM t WHERE ID = " + shell::quoted("7")).at(0, 0), "a");
    EXPECT_EQ(SQL(db, "SELECT Name FROM t WHERE ID IN (" + shell::quotedValues({"7", "8"}) + ")").at(0, 0), "a");
}

// Another program holding the file: a read that cannot be made is said as
// SQLite says it; a lock let go within the wait lets the read pass.
class Sql1Locked : public ::testing::Test {
protected:
    void SetUp() override {
        opened = shell::openDatabase(file);
        ASSERT_EQ(opened.state, shell::DatabaseState::Writable);
        ASSERT_TRUE(MISCSQL1(opened.db, "CREATE TABLE t (ID INTEGER PRIMARY KEY, Name TEXT); INSERT INTO t VALUES (1, 'a');"));
        ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; INSERT INTO t VALUES (2, 'b');", nullptr, nullptr, nullptr),
                  SQLITE_OK);
    }
    void TearDown() override {
        sqlite3_close(other);
        sqlite3_close(opened.db);
    }
    testing_support::TempFolder folder;
    const std::string file = folder.file("Kasavel.db");
    shell::OpenedDatabase opened;
    sqlite3* other = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(Sql1Locked, ALockedReadIsReportedAsLocked) {
    const auto r = shell::query(opened.db, "SELECT Name FROM t");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"stop||database is locked Query is : SELECT Name FROM t"}));
    EXPECT_TRUE(r.busy);
    ui.shown.clear();
    EXPECT_EQ(shell::findTable(opened.db, "t"), std::nullopt);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].starts_with("stop||database is locked Query is : ")) << ui.shown[0];
    // A combo's lookup says SQLite's reason only, never that its table is empty.
    ui.shown.clear();
    sqlite3* const before = shell::app().DB;
    shell::app().DB = opened.db;
    EXPECT_FALSE(registers::lookup("SELECT ID, Name, '' FROM t", "Табелата е празна!!", "", true));
    shell::app().DB = before;
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"stop||database is locked Query is : SELECT ID, Name, '' FROM t"}));
    sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    // Once the file is free, an empty table is said as such.
    ui.shown.clear();
    shell::app().DB = opened.db;
    EXPECT_FALSE(registers::lookup("SELECT ID, Name, '' FROM t WHERE ID = 0", "Табелата е празна!!", "", true));
    shell::app().DB = before;
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"info|Грешка!!!|Табелата е празна!!"}));
}

TEST_F(Sql1Locked, AShortLockIsWaitedFor) {
    std::thread releaser([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "COMMIT;", nullptr, nullptr, nullptr);
    });
    const auto r = shell::query(opened.db, "SELECT Name FROM t ORDER BY ID");
    releaser.join();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.rows.rows(), 2u);
    EXPECT_TRUE(ui.shown.empty());
    // A change waits the same way.
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread again([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    });
    EXPECT_TRUE(MISCSQL1(opened.db, "INSERT INTO t VALUES (3, 'c');"));
    again.join();
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
