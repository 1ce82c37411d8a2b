// A change of several rows: one statement run per row, each changing exactly
// its row; all of it or nothing, and the user told when nothing.
#include "shell/row_changes.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"

namespace {

class RowChanges : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        ASSERT_TRUE(shell::MISCSQL1(db, "PRAGMA foreign_keys = ON; CREATE TABLE p (ID INTEGER PRIMARY KEY);"
                                        "CREATE TABLE c (ID INTEGER PRIMARY KEY, P INTEGER REFERENCES p(ID) "
                                        "DEFERRABLE INITIALLY DEFERRED, D TEXT, G TEXT);"
                                        "INSERT INTO p VALUES (1); INSERT INTO c VALUES (1, 1, '', 'a'), "
                                        "(2, 1, '', 'a'), (3, 1, '', 'b');"));
    }
    void TearDown() override { sqlite3_close(db); }
    std::string dates() {
        return shell::SQL(db, "SELECT group_concat(ID || ':' || quote(D), ' ') FROM c ORDER BY ID").at(0, 0);
    }
    // One row of parameters per value.
    static ui::TextTable single(std::initializer_list<std::string_view> values) {
        ui::TextTable rows(1);
        for (std::string_view v : values) rows.appendRow({v});
        return rows;
    }
    // The rows of the IDs dated, the date as the fixed parameter ?2.
    static shell::RowChange dated(std::initializer_list<std::string_view> ids) {
        return {.statement = "UPDATE c SET D = ?2 WHERE ID = ?1", .rows = single(ids), .fixed = {"20261210"}};
    }

    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
    const std::string problem = "info|" + vocab::CPORGRESKA + "|" + vocab::CPORPROBLEMIPRIUPDATE;
};

TEST_F(RowChanges, EveryRowChangesAndCommitsWithoutAMessage) {
    EXPECT_TRUE(shell::changeRows(db, dated({"1", "3"})));
    EXPECT_EQ(dates(), "1:'20261210' 2:'' 3:'20261210'");
    // An empty value is the empty text, never NULL; parameters of a row may be several.
    shell::RowChange twoValues{.statement = "UPDATE c SET D = ?2, G = ?3 WHERE ID = ?1", .rows = ui::TextTable(3)};
    twoValues.rows.appendRow({"2", "", "x'y"});
    EXPECT_TRUE(shell::changeRows(db, twoValues));
    EXPECT_EQ(shell::SQL(db, "SELECT quote(D) || quote(G) FROM c WHERE ID = 2").at(0, 0), "'''x''y'");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RowChanges, ARowThatFailsOrChangesOtherThanItselfChangesNothingAndSaysSo) {
    struct Case {
        const char* what;
        const char* schema;  // a damage made before the change
        shell::RowChange change;
        std::vector<std::string> shown;
    };
    const std::string raised = "stop||raised Query is : UPDATE c SET D = '20261210' WHERE ID = '3'";  // as it ran
    const Case cases[] = {
        {"a run that fails", "CREATE TRIGGER t BEFORE UPDATE ON c WHEN OLD.ID = 3 BEGIN SELECT RAISE(ABORT, 'raised'); END",
         dated({"1", "3"}), {raised, problem}},
        {"a run that a trigger skips", "CREATE TRIGGER t BEFORE UPDATE ON c WHEN OLD.ID = 3 BEGIN SELECT RAISE(IGNORE); END",
         dated({"1", "3"}), {problem}},
        {"a row that is gone", "DELETE FROM c WHERE ID = 3", dated({"1", "3"}), {problem}},
        {"an ID in a damaged form", "", dated({"1", "3.5"}), {problem}},
        {"a run that changes several rows", "",
         {.statement = "UPDATE c SET D = 'x' WHERE G = ?1", .rows = single({"b", "a"})}, {problem}},
        {"a key that fails only at the commit", "",
         {.statement = "UPDATE c SET P = 9 WHERE ID = ?1", .rows = single({"2"})},
         {"stop||FOREIGN KEY constraint failed Query is : END TRANSACTION", problem}},
        {"a statement that does not prepare", "",
         {.statement = "UPDATE nema SET D = 1 WHERE ID = ?1", .rows = single({"1"})},
         {"stop||no such table: nema Query is : UPDATE nema SET D = 1 WHERE ID = ?1", problem}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (*c.schema) {
            ASSERT_TRUE(shell::MISCSQL1(db, c.schema));
        }
        const std::string before = dates();
        ui.shown.clear();
        EXPECT_FALSE(shell::changeRows(db, c.change));
        EXPECT_EQ(ui.shown, c.shown);
        EXPECT_EQ(dates(), before);
        EXPECT_NE(sqlite3_get_autocommit(db), 0);  // no transaction left open
        shell::MISCSQL1(db, "DROP TRIGGER IF EXISTS t; INSERT OR IGNORE INTO c VALUES (3, 1, '', 'b')");
    }
}

TEST_F(RowChanges, TheMessageSaysWhyARowChangedNothingAndWhatStandsBesideTheChange) {
    shell::RowChange change = dated({"1", "7"});
    change.unchanged = [](std::size_t row) -> std::optional<std::string> {
        return "row " + std::to_string(row) + " is gone";
    };
    change.afterFailure = "the file stays";
    EXPECT_FALSE(shell::changeRows(db, change));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"info|" + vocab::CPORGRESKA + "|row 1 is gone\r\nthe file stays"}));
    EXPECT_EQ(dates(), "1:'' 2:'' 3:''");

    // Nothing to say: the usual message, and what stands.
    change.unchanged = [](std::size_t) { return std::nullopt; };
    ui.shown.clear();
    EXPECT_FALSE(shell::changeRows(db, change));
    EXPECT_EQ(ui.shown.back(), problem + "\r\nthe file stays");

    // A BEGIN that fails sends nothing more, yet what stands is still said.
    ASSERT_TRUE(shell::MISCSQL1(db, "BEGIN"));
    ui.shown.clear();
    EXPECT_FALSE(shell::changeRows(db, dated({"1"})));
    ASSERT_EQ(ui.shown.size(), 1u);  // SQLite's refusal only
    EXPECT_FALSE(shell::changeRows(db, change));
    EXPECT_EQ(ui.shown.back(), problem + "\r\nthe file stays");
    ASSERT_TRUE(shell::MISCSQL1(db, "ROLLBACK"));
    EXPECT_EQ(dates(), "1:'' 2:'' 3:''");
}

}  // namespace
