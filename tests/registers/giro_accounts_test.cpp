// The save of a payer or recipient with its giro accounts, and the checks of
// the account grid, on a database in memory.
#include "registers/giro_accounts.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"

namespace {

using namespace registers;
using testing_support::RecordingInteraction;

std::string info(const std::string& text) { return "info|" + vocab::CPORGRESKA + "|" + text; }

class Accounts : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        run("PRAGMA foreign_keys = ON;");
        for (const auto& s : payerCreateStatements()) run(s);
        for (const auto& s : recipientCreateStatements()) run(s);
        run("INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID) VALUES "
            "(1, 'Прв', 'Скопје', '', '1', 1), (2, 'Втор', 'Битола', '', '2', 1);"
            "INSERT INTO Primaci VALUES (1, 'Ана', '', '', '', 'Скопје', '', '', '', 1, 0), "
            "(2, 'Бојан', '', '', '', 'Скопје', '', '', '', 1, 0);");
        ui.shown.clear();
    }
    void TearDown() override { sqlite3_close(db); }

    void run(const std::string& sql) { ASSERT_TRUE(shell::MISCSQL1(db, sql)) << sql; }
    // The references of orders and payment items; only the columns they use.
    void createUsers() {
        run("CREATE TABLE Nalozi (ID INTEGER PRIMARY KEY, IsplakjaciID INTEGER, IsplakjaciZiroSmetkiID INTEGER "
            "REFERENCES IsplakjaciZiroSmetki (ID), PrimaciID INTEGER, PrimaciZiroSmetkiID INTEGER);"
            "CREATE TABLE Transakcii (ID INTEGER PRIMARY KEY, IsplakjaciZiroSmetkiID INTEGER REFERENCES "
            "IsplakjaciZiroSmetki (ID), PrimaciZiroSmetkiID INTEGER REFERENCES PrimaciZiroSmetki (ID));");
    }
    std::vector<std::string> rows(const std::string& sql) {
        std::vector<std::string> out;
        const auto t = shell::SQL(db, sql);
        for (std::size_t r = 0; r < t.rows(); ++r) {
            std::string line;
            for (std::size_t c = 0; c < t.columns(); ++c) line += (c ? "|" : "") + t.at(r, c);
            out.push_back(line);
        }
        return out;
    }
    std::vector<std::string> payerAccountRows() {
        return rows("SELECT ID, IsplakjaciID, ZiroSmetka FROM IsplakjaciZiroSmetki ORDER BY ID");
    }
    std::vector<std::string> recipientAccountRows() {
        return rows("SELECT ID, PrimaciID, ZiroSmetka FROM PrimaciZiroSmetki ORDER BY ID");
    }
    bool savePayer(const std::string& id, const std::vector<std::string>& accounts, const std::string& name = "Прв") {
        Payer p{.naziv = name, .sediste = "Скопје", .danocenBroj = id.empty() ? "3" : id, .opstiniId = "1"};
        return saveWithAccounts(db, payerAccounts(), payerSave(p, id), id, accounts);
    }
    bool saveRecipient(const std::string& id, const std::string& embg, const std::vector<std::string>& accounts) {
        Recipient r{.ime = "Нов", .mesto = "Охрид", .opstiniId = "1", .embg = embg, .ddvObvrznik = "0"};
        return saveWithAccounts(db, recipientAccounts(), recipientSave(r, id), id, accounts);
    }

    sqlite3* db = nullptr;
    RecordingInteraction ui;
};

// Accounts that nothing uses are deleted and, when still listed, written
// again under new IDs; those that an order or a payment item uses stay with
// their IDs and no error reaches the user.
TEST_F(Accounts, PayerSaveKeepsUsedRowsAndRewritesTheOthers) {
    createUsers();
    run("INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, 'A'), (2, 1, 'B'), (3, 1, 'C'), (4, 1, 'D'), (5, 2, 'X');"
        "INSERT INTO Transakcii VALUES (1, 1, NULL); INSERT INTO Nalozi VALUES (1, 1, 2, 0, 0);");
    EXPECT_TRUE(savePayer("1", {"A", "B", "C", "E"}));
    EXPECT_EQ(payerAccountRows(), (std::vector<std::string>{"1|1|A", "2|1|B", "5|2|X", "6|1|C", "7|1|E"}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Accounts, AnAccountOfAnotherOwnerIsNotAttachedTheRestIsSaved) {
    run("INSERT INTO IsplakjaciZiroSmetki VALUES (1, 2, 'X'), (2, 2, 'Z');");
    EXPECT_TRUE(savePayer("1", {"X", "Y", "Z"}, "Прв'"));
    EXPECT_EQ(payerAccountRows(), (std::vector<std::string>{"1|2|X", "2|2|Z", "3|1|Y"}));
    EXPECT_EQ(rows("SELECT Naziv FROM Isplakjaci WHERE ID = 1"), (std::vector<std::string>{"Прв'"}));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{info(vocab::CPORISPLAKJACZIROVECPOSTOJI)}));
}

// Orders and payment items may not exist yet: nothing refers to an account then.
TEST_F(Accounts, MissingReferringTablesReferToNothing) {
    run("INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, 'A'), (2, 1, 'O''1');");
    EXPECT_EQ(referenced(db, "Nalozi", "IsplakjaciZiroSmetkiID", "1"), false);
    EXPECT_TRUE(savePayer("1", {"O'1"}));
    EXPECT_EQ(payerAccountRows(), (std::vector<std::string>{"3|1|O'1"}));
    EXPECT_TRUE(ui.shown.empty());
}

// Orders name recipient accounts without a foreign key: when their lookup
// fails (here an orders table without the column), the account counts as
// used, so the save keeps it and the grid does not let it go.
TEST_F(Accounts, AnAccountWhoseUseCannotBeLookedUpIsKept) {
    run("CREATE TABLE Nalozi (ID INTEGER PRIMARY KEY, PrimaciID INTEGER);"
        "INSERT INTO PrimaciZiroSmetki VALUES (1, 1, 'X'), (2, 1, 'Y');");
    EXPECT_EQ(referenced(db, "Nalozi", "PrimaciZiroSmetkiID", "1"), std::nullopt);
    ui.shown.clear();
    EXPECT_TRUE(saveRecipient("1", "", {"X"}));
    EXPECT_EQ(recipientAccountRows(), (std::vector<std::string>{"1|1|X", "2|1|Y"}));

    ui::TextTable grid(2);
    grid.appendRow({"2", "Y"});
    ui.shown.clear();
    EXPECT_FALSE(removable(db, recipientAccounts(), grid, {1}));
    ASSERT_EQ(ui.shown.size(), 1u);  // the database error, no refusal that names an order
    EXPECT_EQ(ui.shown[0].rfind("stop|", 0), 0u) << ui.shown[0];
}

// Reading the account numbers fails (denied here): the save stops and undoes
// itself rather than attach a number whose owner it could not see.
TEST_F(Accounts, ASaveThatCannotReadTheAccountsChangesNothing) {
    run("INSERT INTO PrimaciZiroSmetki VALUES (1, 2, 'X');");
    sqlite3_set_authorizer(
        db,
        [](void*, int action, const char* table, const char* column, const char*, const char*) {
            const bool number = action == SQLITE_READ && std::string_view(table) == "PrimaciZiroSmetki" &&
                                std::string_view(column) == "ZiroSmetka";
            return number ? SQLITE_DENY : SQLITE_OK;
        },
        nullptr);
    EXPECT_FALSE(saveRecipient("1", "", {"X"}));
    sqlite3_set_authorizer(db, nullptr, nullptr);
    EXPECT_EQ(recipientAccountRows(), (std::vector<std::string>{"1|2|X"}));
    ASSERT_FALSE(ui.shown.empty());
    EXPECT_EQ(ui.shown[0].rfind("stop|", 0), 0u) << ui.shown[0];
}

// A failed statement after the record's own undoes the update, the purge
// and the inserts of this save.
TEST_F(Accounts, AFailedStatementUndoesTheWholeSave) {
    run("INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, 'A'), (2, 1, 'B');");
    const std::vector<std::string> before = payerAccountRows();
    const char* triggers[] = {
        "CREATE TRIGGER refuse BEFORE INSERT ON IsplakjaciZiroSmetki WHEN NEW.ZiroSmetka = 'BAD' "
        "BEGIN SELECT RAISE(ABORT, 'refused'); END;",
        "CREATE TRIGGER refuse BEFORE UPDATE ON Isplakjaci BEGIN SELECT RAISE(ABORT, 'refused'); END;",
    };
    for (const char* trigger : triggers) {
        SCOPED_TRACE(trigger);
        run(trigger);
        ui.shown.clear();
        EXPECT_FALSE(savePayer("1", {"C", "BAD", "D"}, "Друго име"));
        EXPECT_EQ(payerAccountRows(), before);
        EXPECT_EQ(rows("SELECT Naziv FROM Isplakjaci WHERE ID = 1"), (std::vector<std::string>{"Прв"}));
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_NE(ui.shown[0].find("refused Query is : "), std::string::npos);
        run("DROP TRIGGER refuse;");
    }
}

// Found again by its row ID, not by its EMBG: two recipients without one
// both keep their accounts.
TEST_F(Accounts, NewRecordsWithTheSameValuesKeepTheirOwnAccounts) {
    EXPECT_TRUE(saveRecipient("", "             ", {"123            ", "210000000000002"}));
    EXPECT_TRUE(saveRecipient("", "             ", {"310000000000003"}));
    EXPECT_EQ(recipientAccountRows(),
              (std::vector<std::string>{"1|3|123            ", "2|3|210000000000002", "3|4|310000000000003"}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Accounts, ANewRecordThatCannotBeWrittenGetsNoAccounts) {
    run("CREATE TRIGGER refuse BEFORE INSERT ON Isplakjaci BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    EXPECT_FALSE(savePayer("", {"A"}));
    EXPECT_TRUE(payerAccountRows().empty());
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1], info(vocab::CPORPROBLEMIPRIUPDATE));
    EXPECT_EQ(rows("SELECT count(*) FROM Isplakjaci"), (std::vector<std::string>{"2"}));
}

// Recipients may share a number (the employee transfer writes them so): a
// listed account keeps its row, where deleting it first would leave the
// number with the other recipient only.
TEST_F(Accounts, ARecipientKeepsAListedAccountThatAnotherHoldsToo) {
    createUsers();
    run("INSERT INTO PrimaciZiroSmetki VALUES (1, 1, 'X'), (2, 1, 'Y'), (3, 2, 'X'), (4, 1, 'Z'), (5, 1, 'W');"
        "INSERT INTO Nalozi VALUES (1, 1, NULL, 1, 4);");
    EXPECT_TRUE(saveRecipient("1", "", {"X", "V"}));
    EXPECT_EQ(recipientAccountRows(), (std::vector<std::string>{"1|1|X", "3|2|X", "4|1|Z", "6|1|V"}));
    EXPECT_TRUE(ui.shown.empty());
    // A number only another recipient holds is still refused.
    EXPECT_TRUE(saveRecipient("2", "", {"X", "Z"}));
    EXPECT_EQ(ui.shown, (std::vector<std::string>{info(vocab::CPORPRIMACZIROVECPOSTOJI)}));
}

TEST_F(Accounts, RowsLeaveTheGridOnlyWhenNothingUsesThem) {
    createUsers();
    run("INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, 'A'), (2, 1, 'B'), (3, 1, 'C');"
        "INSERT INTO Transakcii VALUES (1, 2, NULL); INSERT INTO Nalozi VALUES (1, 1, 1, 0, 0), (2, 1, 2, 0, 0);");
    ui::TextTable grid(2);
    for (auto row : {std::vector<std::string>{"1", "A"}, {"2", "B"}, {"3", "C"}, {"", "NEW"}}) grid.appendRow(row);
    const std::string items = info(vocab::CPORNEBRISEISPLAKJACIZIROTRANSAKCII);
    const std::string orders = info(vocab::CPORNEBRISEISPLAKJACIZIRONALOZI);
    struct Case {
        std::vector<int> selection;
        std::vector<std::string> shown;
    } cases[] = {
        {{3, 4}, {}},
        {{1}, {orders}},
        {{2}, {items}},  // a payment item is looked at before an order
        {{1, 2}, {orders}},
        {{3, 2}, {items}},
    };
    for (const Case& c : cases) {
        ui.shown.clear();
        EXPECT_EQ(removable(db, payerAccounts(), grid, c.selection), c.shown.empty());
        EXPECT_EQ(ui.shown, c.shown);
    }
}

TEST(AccountEntry, TheTypedAccount) {
    const std::string blanks(15, ' ');
    struct Case {
        std::string held, shown, original;
        bool keepBlanks;
        std::string account;
    } cases[] = {
        {"123" + std::string(12, ' '), blanks, blanks, true, "123" + std::string(12, ' ')},
        {"123" + std::string(12, ' '), blanks, "", false, "123"},
        {" 12" + std::string(12, ' '), blanks, "", false, " 12"},
        // Confirmed unchanged: the account as it stood, however short.
        {"1234" + std::string(11, ' '), "1234" + std::string(11, ' '), "1234", true, "1234"},
        {"1235" + std::string(11, ' '), "1234" + std::string(11, ' '), "1234", true, "1235" + std::string(11, ' ')},
        {blanks, blanks, "", false, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(typedAccount(c.held, c.shown, c.original, c.keepBlanks), c.account);
}

TEST(AccountEntry, EmptyAndRepeatedAccountsAreRefused) {
    ui::TextTable grid(2);
    grid.appendRow({"1", "100"});
    grid.appendRow({"", "200 "});
    struct Case {
        int line;
        std::string account;
        const std::string* refusal;
    } cases[] = {
        {0, "", &vocab::CPORPRAZNAZIROSMETKA},
        {0, "   ", &vocab::CPORPRAZNAZIROSMETKA},
        {0, "100", &vocab::CPORPOSTOIZIROSMETKA},
        {0, "200", nullptr},  // the comparison is exact: "200 " differs
        {1, "100", nullptr},  // its own line does not count
        {2, "100", &vocab::CPORPOSTOIZIROSMETKA},
    };
    for (const Case& c : cases) {
        const auto refusal = accountRefusal(grid, c.line, c.account);
        EXPECT_EQ(refusal.has_value(), c.refusal != nullptr) << c.account;
        if (refusal && c.refusal) {
            EXPECT_EQ(*refusal, *c.refusal);
        }
    }
}

}  // namespace
