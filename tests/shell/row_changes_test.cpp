// A change of several rows: all of it or nothing, and the user told when nothing.
#include "shell/row_changes.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/sql1.h"
#include "support/recording_interaction.h"

namespace {

class RowChanges : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        ASSERT_TRUE(shell::MISCSQL1(db, "PRAGMA foreign_keys = ON; CREATE TABLE p (ID INTEGER PRIMARY KEY);"
                                        "CREATE TABLE c (ID INTEGER PRIMARY KEY, P INTEGER REFERENCES p(ID) "
                                        "DEFERRABLE INITIALLY DEFERRED, D TEXT);"
                                        "INSERT INTO p VALUES (1); INSERT INTO c VALUES (1, 1, ''), (2, 1, '');"));
    }
    void TearDown() override { sqlite3_close(db); }
    std::string dates() { return shell::SQL(db, "SELECT group_concat(D, ',') FROM c ORDER BY ID").at(0, 0); }

    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(RowChanges, AllStatementsCommitWithoutAMessage) {
    EXPECT_TRUE(shell::changeRows(db, {"UPDATE c SET D = '20261210' WHERE ID = 1", "UPDATE c SET D = '20261210' WHERE ID = 2"}));
    EXPECT_EQ(dates(), "20261210,20261210");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RowChanges, AFailedStatementOrAFailedCommitChangesNothingAndSaysSo) {
    const std::string problem = "info|Грешка!!!|Проблеми при ажурирање на базата!";
    // The second statement fails at once: its error, then the problem.
    EXPECT_FALSE(shell::changeRows(db, {"UPDATE c SET D = 'x' WHERE ID = 1", "UPDATE nema SET D = 'x'"}));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_TRUE(ui.shown[0].starts_with("stop||no such table: nema"));
    EXPECT_EQ(ui.shown[1], problem);
    EXPECT_EQ(dates(), ",");
    // The deferred key fails only at END TRANSACTION: rolled back, no transaction left open.
    ui.shown.clear();
    EXPECT_FALSE(shell::changeRows(db, {"UPDATE c SET D = 'y' WHERE ID = 1", "UPDATE c SET P = 9 WHERE ID = 2"}));
    EXPECT_EQ(ui.shown.back(), problem);
    EXPECT_EQ(dates(), ",");
    EXPECT_NE(sqlite3_get_autocommit(db), 0);
}

}  // namespace
