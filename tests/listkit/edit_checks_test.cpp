// The checks before an edit or a delete, and the deletion with its reselection.
#include "listkit/edit_checks.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"

namespace {

using testing_support::RecordingInteraction;

TEST(ProveriGrid, AddAlwaysEditOnlyOneSelectedLine) {
    struct Case {
        bool isNew;
        int lines;
        std::vector<int> selection;
        const std::string* refusal;
    } cases[] = {
        {true, 0, {}, nullptr},
        {true, 3, {1, 2}, nullptr},
        {false, 0, {}, &vocab::CPORNEPOSTOINITUEDENRED},
        {false, 3, {}, &vocab::CPORNITUEDENREDSELEKTIRAN},
        {false, 3, {1, 3}, &vocab::CPORSELEKTIRANISEPOVECEREDOVI},
        {false, 3, {2}, nullptr},
    };
    for (const Case& c : cases) {
        RecordingInteraction ui;
        EXPECT_EQ(listkit::PROVERIGRID(c.isNew, c.lines, c.selection), c.refusal == nullptr);
        const std::vector<std::string> shown =
            c.refusal ? std::vector<std::string>{"info|" + vocab::CPORGRESKA + "|" + *c.refusal}
                      : std::vector<std::string>{};
        EXPECT_EQ(ui.shown, shown);
    }
}

class Deletion : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        ASSERT_TRUE(shell::MISCSQL1(db,
                                    "PRAGMA foreign_keys = ON;"
                                    "CREATE TABLE T (ID INTEGER PRIMARY KEY, Sifra TEXT);"
                                    "CREATE TABLE R (ID INTEGER PRIMARY KEY, TID INTEGER REFERENCES T (ID));"));
        for (int id = 1; id <= 9; ++id)
            ASSERT_TRUE(shell::MISCSQL1(
                db, "INSERT INTO T VALUES (" + std::to_string(id) + ", '0" + std::to_string(id) + "')"));
    }
    void TearDown() override { sqlite3_close(db); }

    // The list as its window shows it: ID and label, in load order.
    ui::TextTable list() { return shell::SQL(db, "SELECT ID, Sifra FROM T ORDER BY ID"); }
    std::vector<std::string> ids() {
        std::vector<std::string> out;
        const auto rows = list();
        for (std::size_t r = 0; r < rows.rows(); ++r) out.push_back(rows.at(r, 0));
        return out;
    }

    sqlite3* db = nullptr;
    RecordingInteraction ui;
};

TEST_F(Deletion, ReselectionAfterTheReload) {
    struct Case {
        std::vector<int> selection;
        bool yes;
        int returned;
        std::vector<std::string> remaining;
        std::string selectedId;  // the row on the reselected line, "" for none
    } cases[] = {
        {{5}, true, 5, {"1", "2", "3", "4", "6", "7", "8", "9"}, "6"},  // the row that followed
        {{9}, true, 9, {"1", "2", "3", "4", "5", "6", "7", "8"}, ""},   // the last line: nothing
        {{4, 5, 6}, true, 3, {"1", "2", "3", "7", "8", "9"}, "3"},
        {{2, 7}, true, 5, {"1", "3", "4", "5", "6", "8", "9"}, "6"},  // the row that stood on line 6
        {{1, 2}, true, 0, {"3", "4", "5", "6", "7", "8", "9"}, ""},   // not every line
        {{3}, false, 3, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "3"},
        {{3, 4}, false, 0, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, ""},
    };
    for (const Case& c : cases) {
        TearDown();  // a fresh list of nine for each case
        SetUp();
        ui.answers = {c.yes};
        const int returned = listkit::TABLEDELETE(db, "T", list(), c.selection);
        EXPECT_EQ(returned, c.returned);
        EXPECT_EQ(ids(), c.remaining);
        const auto after = list();
        const int line = listkit::reselectedLine(returned, static_cast<int>(after.rows()));
        EXPECT_EQ(line ? after.at(static_cast<std::size_t>(line - 1), 0) : "", c.selectedId);
    }
}

TEST_F(Deletion, OneRowIsNamedInTheQuestion) {
    ui.answers = {false};
    listkit::TABLEDELETE(db, "T", list(), {1});
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"question||Дали навистина сакате да го избришете записот 01 ?"}));
}

TEST_F(Deletion, SeveralRowsAskOnce) {
    ui.answers = {true};
    listkit::TABLEDELETE(db, "T", list(), {1, 2});
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"question||" + vocab::CPORDALIBRISESITEREDOVI}));
}

TEST_F(Deletion, NothingSelected) {
    EXPECT_EQ(listkit::TABLEDELETE(db, "T", list(), {}), 0);
    EXPECT_EQ(ui.shown,
              (std::vector<std::string>{"info|" + vocab::CPORGRESKA + "|" + vocab::CPORNITUEDENREDSELEKTIRAN}));
    EXPECT_EQ(ids().size(), 9u);
}

TEST_F(Deletion, ARowStillReferredToStaysTheOthersGo) {
    ASSERT_TRUE(shell::MISCSQL1(db, "INSERT INTO R VALUES (1, 2)"));
    ui.answers = {true};
    listkit::TABLEDELETE(db, "T", list(), {1, 2, 3});
    EXPECT_EQ(ids(), (std::vector<std::string>{"2", "4", "5", "6", "7", "8", "9"}));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1], "stop||FOREIGN KEY constraint failed Query is : delete from T where ID = '2'");
}

TEST_F(Deletion, ReferenceChecks) {
    ASSERT_TRUE(shell::MISCSQL1(db, "INSERT INTO R VALUES (1, 2)"));
    const std::string refused = "info|" + vocab::CPORGRESKA + "|" + vocab::CPORNEBRISETIPOVIPRIHODI;
    struct Case {
        const char* table;
        std::vector<int> selection;
        bool free;
        std::vector<std::string> shown;
    } cases[] = {
        {"R", {1, 3}, true, {}},
        {"R", {1, 2, 3}, false, {refused}},  // the first referred row stops the check
        {"R", {2, 3}, false, {refused}},
        {"R", {}, true, {}},
        {"Nalozi", {2}, true, {}},  // a table not created yet refers to nothing, silently
        {"r", {2}, false, {refused}},  // table names in any case
    };
    for (const Case& c : cases) {
        ui.shown.clear();
        EXPECT_EQ(
            listkit::PROVERIPREDBRISENJE(db, c.table, list(), c.selection, "TID", vocab::CPORNEBRISETIPOVIPRIHODI),
            c.free)
            << c.table << " " << c.selection.size();
        EXPECT_EQ(ui.shown, c.shown);
    }
}

TEST_F(Deletion, AReferenceCheckThatCannotBeMadeRefuses) {
    // A referring table that exists but cannot be read: a view over a table that is gone.
    ASSERT_TRUE(shell::MISCSQL1(db, "CREATE TABLE G (TID); CREATE VIEW V AS SELECT TID FROM G; DROP TABLE G;"));
    EXPECT_FALSE(listkit::PROVERIPREDBRISENJE(db, "V", list(), {2}, "TID", vocab::CPORNEBRISETIPOVIPRIHODI));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"stop||no such table: main.G Query is : select * from V where TID = '2'"}));
}

TEST_F(Deletion, IdsCompareAsWholeTexts) {
    ASSERT_TRUE(shell::MISCSQL1(db, "INSERT INTO T VALUES (10, '10'); INSERT INTO R VALUES (1, 10)"));
    EXPECT_TRUE(listkit::PROVERIPREDBRISENJE(db, "R", list(), {1}, "TID", "x"));
    EXPECT_FALSE(listkit::PROVERIPREDBRISENJE(db, "R", list(), {10}, "TID", "x"));
}

}  // namespace
