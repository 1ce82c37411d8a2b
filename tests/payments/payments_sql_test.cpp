// The statements of the payments overview and report on a database in
// memory: the filter conditions, the status changes, the copies, and the
// re-reading of a selection.
#include "payments/payments_sql.h"

#include "payments/carried_items.h"
#include "payments/item_row.h"
#include "payments/stored_batch.h"
#include "shell/layouts.h"
#include "shell/row_changes.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/items_fixture.h"

namespace {

using namespace payments;

// Payer 1 with accounts 1 and 2, payer 2 with account 3; five items:
// 1 unpaid (account 1), 2 paid 05.02.2024 (account 1), 3 unpaid (account 2),
// 4 paid 10.03.2024 (account 1), 5 paid 05.02.2024 (account 3, payer 2).
class PaymentsSql : public testing_support::ItemsDatabase {
protected:
    void SetUp() override {
        ItemsDatabase::SetUp();
        run("INSERT INTO IsplakjaciZiroSmetki VALUES (2, 1, '300000000000002');"
            "INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID) "
            "VALUES (2, 'Друг', 'Битола', '7654321', '4030000000002', 1);"
            "INSERT INTO IsplakjaciZiroSmetki VALUES (3, 2, '300000000000003');"
            "INSERT INTO Primaci VALUES (2, 'Бојан', 'Илиев', '', '', 'Битола', '', '0202990455002', '', 1, 0);"
            "INSERT INTO PrimaciZiroSmetki VALUES (2, 2, '200000000000002');"
            "INSERT INTO TipoviKalkulacii VALUES (2, '2', 'Вонредна', 1);");
        item(1, "", 1, 1);
        item(2, "20240205", 1, 1);
        item(3, "", 2, 2);
        item(4, "20240310", 1, 2);
        item(5, "20240205", 3, 1);
    }
    void item(int id, const char* paid, int payerAccount, int recipientAccount) {
        const std::string period = *paid ? "'20240101', '20240131'" : "'', ''";
        run("INSERT INTO Transakcii VALUES (" + std::to_string(id) + ", '" + paid + "', " + period +
            ", 0, " + std::to_string(id * 1000) + ", 0, 100, " + std::to_string(id * 1000 - 100) + ", 0, '', '        ', "
            "'белешка', " + std::to_string(payerAccount) + ", " + std::to_string(recipientAccount) + ", 1, 1, 1, 1);");
    }
    std::vector<std::string> ids(const std::string& sql) {
        const shell::QueryResult result = shell::query(db, sql);
        EXPECT_TRUE(result.ok) << sql;
        std::vector<std::string> out;
        for (std::size_t r = 0; r < result.rows.rows(); ++r) out.emplace_back(result.rows.cell(r, 0));
        return out;
    }
    ui::TextTable shown(const std::string& sql) { return shownItemRows(shell::SQL(db, sql)); }
    using Ids = std::vector<std::string>;
};

TEST_F(PaymentsSql, OverviewConditionsAsWritten) {
    const std::string base = layouts::STRTRANSAKCII + " WHERE ";
    EXPECT_EQ(overviewQuery({.accountId = "1"}),
              base + " 1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  t.IsplakjaciZiroSmetkiID = '1' AND "
                     "t.DatumNaPlacanje = ''  ORDER BY t.ID");
    EXPECT_EQ(overviewQuery({.accountId = "2", .recipientId = "3", .revenueTypeId = "4", .subRevenueId = "5",
                             .paymentTypeId = "6"}),
              base + " pz.PrimaciID = '3' AND  t.TipoviPrihodiID = '4' AND  t.PotprihodiID = '5' AND  "
                     "t.TipoviPlacanjaID = '6' AND  t.IsplakjaciZiroSmetkiID = '2' AND t.DatumNaPlacanje = ''  ORDER BY t.ID");
}

TEST_F(PaymentsSql, OverviewListsTheUnpaidItemsOfOneAccount) {
    EXPECT_EQ(ids(overviewQuery({.accountId = "1"})), (Ids{"1"}));
    EXPECT_EQ(ids(overviewQuery({.accountId = "2"})), (Ids{"3"}));
    EXPECT_EQ(ids(overviewQuery({.accountId = "2", .recipientId = "1"})), (Ids{}));
    EXPECT_EQ(ids(overviewQuery({.accountId = "2", .recipientId = "2", .paymentTypeId = "1"})), (Ids{"3"}));
}

TEST_F(PaymentsSql, ReportConditions) {
    EXPECT_EQ(reportQuery({.dateFrom = "20240101", .payerId = "1", .paid = Paid::Yes}),
              layouts::STRTRANSAKCII +
                  " WHERE  1 = 1  AND  t.DatumNaPlacanje >= '20240101' AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  "
                  "AND  1 = 1  AND  t.DatumNaPlacanje <> ''  AND  iz.IsplakjaciID = '1' ORDER BY t.ID");
    struct Case {
        const char* what;
        ReportFilter filter;
        Ids items;
    };
    const Case cases[] = {
        {"no condition", {.payerId = "1"}, {"1", "2", "3", "4"}},
        {"all", {.payerId = "1", .paid = Paid::All}, {"1", "2", "3", "4"}},
        {"paid", {.payerId = "1", .paid = Paid::Yes}, {"2", "4"}},
        {"unpaid", {.payerId = "1", .paid = Paid::No}, {"1", "3"}},
        {"paid on or after a day", {.dateFrom = "20240301", .payerId = "1", .paid = Paid::All}, {"4"}},
        {"paid up to a day, and every unpaid item", {.dateTo = "20240301", .payerId = "1"}, {"1", "2", "3"}},
        {"paid up to a day", {.dateTo = "20240301", .payerId = "1", .paid = Paid::Yes}, {"2"}},
        {"one account", {.payerId = "1", .accountId = "2"}, {"3"}},
        {"one recipient", {.payerId = "1", .recipientId = "2"}, {"3", "4"}},
        {"a revenue type, sub-revenue and payment type",
         {.payerId = "1", .revenueTypeId = "1", .subRevenueId = "1", .paymentTypeId = "1"},
         {"1", "2", "3", "4"}},
        {"another payer", {.payerId = "2"}, {"5"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ids(reportQuery(c.filter)), c.items) << c.what;
}

TEST_F(PaymentsSql, PaidAndBackToUnpaid) {
    const ui::TextTable items = shown(itemsByIdQuery({"1", "3"}));
    ASSERT_TRUE(shell::changeRows(db, markPaid(items, "20240101", "20240131", "2", "20240205")));
    const std::string columns = "SELECT ID, DatumPeriodOd, DatumPeriodDo, TipoviKalkulaciiID, DatumNaPlacanje "
                                "FROM Transakcii WHERE ID IN (1, 3) ORDER BY ID";
    EXPECT_EQ(shell::SQL(db, columns).row(0), (Ids{"1", "20240101", "20240131", "2", "20240205"}));
    EXPECT_EQ(shell::SQL(db, columns).row(1), (Ids{"3", "20240101", "20240131", "2", "20240205"}));
    ASSERT_TRUE(shell::changeRows(db, backToUnpaid(items)));
    EXPECT_EQ(shell::SQL(db, columns).row(0), (Ids{"1", "", "", "2", ""}));  // the calculation type stays
    EXPECT_EQ(shell::SQL(db, columns).row(1), (Ids{"3", "", "", "2", ""}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(PaymentsSql, ACopyIsANewUnpaidItemWithTheSameAmountsTextsAndReferences) {
    run("UPDATE Transakcii SET BrojResenieDo = 'Р''1', DatumResenieDo = '20240115' WHERE ID = 4");
    const ui::TextTable rows = shown(reportQuery({.payerId = "1", .paid = Paid::Yes}));
    ASSERT_TRUE(shell::changeRows(db, copiesAsNew(rows)));
    const auto copies = shell::SQL(db,
                                   "SELECT DatumNaPlacanje, DatumPeriodOd, IznosBruto, IznosNeto, IznosDanok, "
                                   "BrojResenieDo, DatumResenieDo, Komentar, IsplakjaciZiroSmetkiID, "
                                   "PrimaciZiroSmetkiID, TipoviKalkulaciiID FROM Transakcii WHERE ID > 5 ORDER BY ID");
    ASSERT_EQ(copies.rows(), 2u);
    EXPECT_EQ(copies.row(0), (Ids{"", "", "2000", "1900", "100", "", "        ", "белешка", "1", "1", "1"}));
    EXPECT_EQ(copies.row(1), (Ids{"", "", "4000", "3900", "100", "Р'1", "20240115", "белешка", "1", "2", "1"}));
}

// Every status change touches exactly the items it names: an item that the
// change cannot reach (a trigger skips it, as a damaged schema would) rolls
// the whole change back with the usual message.
TEST_F(PaymentsSql, AStatusChangeThatReachesNoItemChangesNothing) {
    run("CREATE TRIGGER preskokni BEFORE UPDATE ON Transakcii WHEN OLD.ID = 3 BEGIN SELECT RAISE(IGNORE); END;");
    const ui::TextTable items = shown(itemsByIdQuery({"1", "3"}));
    EXPECT_FALSE(shell::changeRows(db, markPaid(items, "20240101", "20240131", "2", "20240205")));
    EXPECT_EQ(ui.shown, (Ids{"info|" + vocab::CPORGRESKA + "|" + vocab::CPORPROBLEMIPRIUPDATE}));
    EXPECT_EQ(ids("SELECT ID FROM Transakcii WHERE DatumNaPlacanje <> '' ORDER BY ID"), (Ids{"2", "4", "5"}));
}

TEST_F(PaymentsSql, ABatchIsReadFromWhatIsStored) {
    const ui::TextTable list = shown(reportQuery({.payerId = "1"}));  // items 1, 2, 3, 4
    StoredBatch batch = storedBatch(db, list, {4, 2});
    EXPECT_FALSE(batch.refusal);
    ASSERT_EQ(batch.rows.rows(), 2u);
    EXPECT_EQ(batch.rows.row(0), list.row(3));
    EXPECT_EQ(batch.rows.row(1), list.row(1));
    EXPECT_TRUE(isPaid(batch.rows, 0));
    EXPECT_FALSE(isPaid(list, 0));

    run("UPDATE Transakcii SET Komentar = 'изменета' WHERE ID = 2");
    batch = storedBatch(db, list, {1, 2});
    EXPECT_EQ(batch.refusal.value_or("none"), vocab::CPORSTAVKAIZMENETA + "2 Ана Петрова");
    EXPECT_EQ(batch.rows.rows(), 0u);

    run("DELETE FROM Transakcii WHERE ID = 3");
    batch = storedBatch(db, list, {3});
    EXPECT_EQ(batch.refusal.value_or("none"), vocab::CPORSTAVKAIZMENETA + "3 Бојан Илиев");
}

TEST_F(PaymentsSql, ABatchForAFileIsRefusedWhenAValueTheFileCarriesDoesNotRead) {
    const auto refusal = [](const std::string& value) {
        return vocab::CPORNECITLIVAVREDNOST + value + ". " + vocab::CPORSTAVKA + "2 Ана Петрова";
    };
    const auto negative = [](const std::string& value) {
        return vocab::CPORNEGATIVENZACUVANIZNOS + value + ". " + vocab::CPORSTAVKA + "2 Ана Петрова";
    };
    struct Case {
        const char* change;
        std::vector<shell::CarriedValue> carried;
        std::optional<std::string> refused;
    };
    const Case cases[] = {
        {"IznosBruto = 1e20", xmlValues(), refusal("Износ бруто")},
        {"IznosBruto = 'xyz'", xmlValues(), refusal("Износ бруто")},
        {"IznosAvans = 12.5", xmlValues(), refusal("Износ аванс")},
        // Ten digits are shown as asterisks and read as 0.
        {"IznosDDV = 1234567890", xmlValues(), refusal("Износ ДДВ")},
        {"DatumResenieDo = 'abcdefgh'", xmlValues(), refusal("Датум на решение")},
        {"DatumResenieDo = '20241301'", xmlValues(), refusal("Датум на решение")},
        {"IznosNeto = 1e308", paidOrderValues(), refusal("Износ нето")},
        {"IznosDanok = '1 000'", paidOrderValues(), refusal("Износ персонален данок")},
        // No file carries a negative amount.
        {"IznosBruto = -5", xmlValues(), negative("Износ бруто")},
        {"IznosAvans = -1", xmlValues(), negative("Износ аванс")},
        {"IznosDDV = -99999999", xmlValues(), negative("Износ ДДВ")},
        {"IznosNeto = -5", paidOrderValues(), negative("Износ нето")},
        {"IznosDanok = -1", paidOrderValues(), negative("Износ персонален данок")},
        {"IznosBruto = 'xyz', IznosDDV = -5", xmlValues(), refusal("Износ бруто")},
        // What reads: no amount (0), nine characters, a date or none.
        {"IznosAvans = NULL, IznosDDV = 99999999", xmlValues(), std::nullopt},
        {"IznosBruto = 999999999, DatumResenieDo = ''", xmlValues(), std::nullopt},
        {"DatumResenieDo = '20240229'", xmlValues(), std::nullopt},
        // Each file looks at its own values only.
        {"IznosNeto = 'xyz'", xmlValues(), std::nullopt},
        {"IznosBruto = 'xyz'", paidOrderValues(), std::nullopt},
        // Actions that make no file look at none.
        {"IznosBruto = 'xyz'", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        run("BEGIN; UPDATE Transakcii SET " + std::string(c.change) + " WHERE ID = 2");
        const ui::TextTable list = shown(reportQuery({.payerId = "1"}));
        const StoredBatch batch = storedBatch(db, list, {1, 2}, c.carried);
        EXPECT_EQ(batch.refusal, c.refused);
        EXPECT_EQ(batch.rows.rows(), c.refused ? 0u : 2u);
        run("ROLLBACK");
    }
}

}  // namespace
