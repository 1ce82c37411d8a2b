// The overview's batch from stored orders: the list rows as shown, the
// treasury order file of a state-treasury and of a health-fund payer to the
// byte, the orders changed since the list was loaded, and the submission.
#include "treasury/overview_batch.h"

#include <gtest/gtest.h>

#include "orders_db_fixture.h"
#include "shell/vocabulary.h"
#include "treasury/order_file.h"
#include "treasury/order_filters.h"
#include "treasury/order_list_row.h"
#include "treasury/order_values.h"

namespace {

using treasury::order::AMOUNT;

class OverviewBatch : public orders_fixture::OrdersDb {
protected:
    // The overview's list of a payer as shown, and the selection of its lines.
    ui::TextTable shown(const std::string& payerId) const {
        ui::TextTable list = rows(treasury::overviewQuery(payerId, {}));
        treasury::shapeOrderRows(list);
        return list;
    }
    static registers::CurrentPayer payerOf(const char* kind) {
        registers::CurrentPayer payer;
        payer.MKRATENKAINSTITUCIJA = "ABC";
        payer.MVIDNATREZOR = kind;
        payer.MDANOCENBROJ = "4030990123456";
        return payer;
    }
    treasury::OverviewBatch batchOf(const ui::TextTable& list, const std::vector<int>& lines, const char* kind) const {
        std::vector<std::string> ids;
        for (int line : lines) ids.push_back(list.at(line - 1, 0));
        return treasury::overviewBatch(list, lines, rows(treasury::storedOrdersQuery(ids)), payerOf(kind), "20261210",
                                       "20261211");
    }
    // The same batch as the overview's confirm reads it, straight from the database.
    treasury::OverviewBatch storedBatchOf(const ui::TextTable& list, const std::vector<int>& lines) const {
        return treasury::storedOverviewBatch(db, list, lines, payerOf("TRZ"), "20261210", "20261211");
    }
    static std::string fileOf(const treasury::OverviewBatch& batch) {
        return treasury::orderFile(batch.input, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1');
    }
    // `count` more orders of payer 1 from ID 101 on, copies of order 1 but
    // for their amounts (the ID in denars), so that each row tells its order.
    void addOrders(int count) {
        std::string columns;
        for (const std::string& c : treasury::ORDERCOLUMNS) columns += ", " + c;
        ASSERT_TRUE(shell::MISCSQL1(
            db, "WITH RECURSIVE n(i) AS (SELECT 101 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                    std::to_string(100 + count) + ") INSERT INTO Nalozi (ID" + columns + ") SELECT i" + columns +
                    " FROM Nalozi, n WHERE ID = 1; UPDATE Nalozi SET Iznos = printf('%19.2f', ID) WHERE ID > 100"));
    }
};

TEST_F(OverviewBatch, TheListShowsDatesAndAmountsAsTheOrderListsDo) {
    ui::TextTable list = rows(treasury::reportQuery("1", {}));
    treasury::shapeOrderRows(list);
    ASSERT_EQ(list.rows(), 5u);
    EXPECT_EQ(list.at(0, 2), "  .  .    ");
    EXPECT_EQ(list.at(0, 3), "15.12.2026");
    EXPECT_EQ(list.at(0, AMOUNT - 1), "    1234.50");
    EXPECT_EQ(list.at(1, AMOUNT - 1), "       0.07");
    EXPECT_EQ(list.at(4, 2), "01.12.2026");
    EXPECT_EQ(treasury::orderLabel(list, 0), "1 (60) Книжарница Жар");
}

TEST_F(OverviewBatch, StateTreasuryFileFromStoredOrdersToTheByte) {
    // Forms 80 and 60 first, in the grid's order: the 80 row's tax number is its reference.
    const treasury::OverviewBatch batch = batchOf(shown("1"), {4, 1, 2, 3}, "TRZ");
    ASSERT_EQ(batch.refusal, std::nullopt);
    EXPECT_EQ(batch.ids, (std::vector<std::string>{"4", "1", "2", "3"}));
    EXPECT_EQ(batch.input.CSMETKAZADOLZUVA, "100000000063095");  // the last row's
    EXPECT_TRUE(batch.input.LODBITOCI);
    EXPECT_EQ(batch.input.CFOLIO, "");
    const std::string file = treasury::orderFile(batch.input, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1');
    const std::string expected =
        "1ABCTRZ202612111000004+000000000263234,57\r\n"
        "2000001100000000063095788014101263814425990" "11"
        "Isplata vo gotovo za patni                                            000000+000000000012000,00"
        "200000000111111   "
        "Gorgi Kosevski                                                        "
        "               " "      " "  " "0101990450011ABC        " "80" "2" "0101990450011" "20261213\r\n"
        "2000002100000000063095788014101263814423110" "11"
        "Kancelarija materijal - hartija                                       000000+000000000001234,50"
        "300000000211222   "
        "Knizarnica Zar                                                        "
        "               " "      " "  " "F-2026/117              " "60" "2" "4030990123456" "20261215\r\n"
        "2000003100000000063095788014101263814401190" "11"
        "Danok                                                                 000000+000000000000000,07"
        "100000000063095   "
        "Trezorska smetka                                                      "
        "840017011111111" "711111" "00" "Personalen danok        " "70" "2" "4030990123456" "20261211\r\n"
        "2000004100000000063095788014101263814464990" "11"
        "Prenos do fond                                                        000000+000000000250000,00"
        "100000000063192   "
        "Fond za zdravstvo                                                     "
        "               " "      " "  " "                        " "76" "2" "4030990123456" "20261212\r\n";
    EXPECT_EQ(file, expected);
}

TEST_F(OverviewBatch, HealthFundFileHasNoDueDateAndForm94TakesItsReference) {
    const treasury::OverviewBatch batch = batchOf(shown("2"), {1, 2, 3, 4}, "FZM");
    ASSERT_EQ(batch.refusal, std::nullopt);
    const std::string file = treasury::orderFile(batch.input, treasury::TreasuryKind::FZM, treasury::Mode::N, '1');
    EXPECT_EQ(file.substr(0, 43), "1ABCFZM202612111000004+000000000000360,00\r\n");
    ASSERT_EQ(file.size(), 43u + 4 * (291 + 2));
    const auto record = [&](int n) { return file.substr(43 + (n - 1) * 293, 291); };
    EXPECT_EQ(record(1).substr(275, 16), "9024030990123456");
    EXPECT_EQ(record(2).substr(275, 16), "9124030990123456");
    EXPECT_EQ(record(3).substr(275, 16), "7624030990123456");
    EXPECT_EQ(record(4).substr(158, 70), std::string("Spend Causevski") + std::string(55, ' '));
    EXPECT_EQ(record(4).substr(275, 16), "9421212980450022");
    EXPECT_EQ(record(1).substr(7, 15), "100000000063192");
    EXPECT_EQ(batch.input.CSMETKAZADOLZUVA, "100000000063192");
}

TEST_F(OverviewBatch, AnOrderChangedOrDeletedSinceTheListLoadedRefusesTheBatchNamingIt) {
    const ui::TextTable list = shown("1");
    struct Case {
        const char* what;
        const char* change;
        std::string message;
    };
    const Case cases[] = {
        {"deleted", "DELETE FROM Nalozi WHERE ID = 2", vocab::CPORNALOGNEPOSTOI + "2 (70) Трезорска сметка"},
        {"amount edited", "UPDATE Nalozi SET Iznos = 0.08 WHERE ID = 2", vocab::CPORNALOGIZMENET + "2 (70) Трезорска сметка"},
        {"submitted", "UPDATE Nalozi SET DatumNaPodnesuvanje = '20261209' WHERE ID = 3",
         vocab::CPORNALOGIZMENET + "3 (76) Фонд за здравство"},
        {"moved to another payer", "UPDATE Nalozi SET IsplakjaciID = 2 WHERE ID = 1",
         vocab::CPORNALOGIZMENET + "1 (60) Книжарница Жар"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(shell::MISCSQL1(db, "BEGIN; " + std::string(c.change)));
        const treasury::OverviewBatch batch = batchOf(list, {1, 2, 3}, "TRZ");
        EXPECT_EQ(batch.refusal, c.message);
        EXPECT_TRUE(batch.input.AGFAJL.empty());
        EXPECT_TRUE(batch.ids.empty());
        ASSERT_TRUE(shell::MISCSQL1(db, "ROLLBACK"));
    }
}

TEST_F(OverviewBatch, AnUnreadableAmountRefusesTheBatchNamingTheOrder) {
    ASSERT_TRUE(shell::MISCSQL1(db, "UPDATE Nalozi SET Iznos = 'xyz' WHERE ID = 2"));
    const ui::TextTable list = shown("1");
    const treasury::OverviewBatch batch = batchOf(list, {1, 2}, "TRZ");
    ASSERT_EQ(batch.refusal, std::nullopt);
    EXPECT_EQ(treasury::refusal(batch.input), vocab::CPORPREGOLEMIZNOSNALOG + "2 (70) Трезорска сметка");
}

TEST_F(OverviewBatch, MoreOrdersThanOneFileHoldsAreRefusedBeforeAnyIsRead) {
    const std::vector<int> lines(treasury::maxFileRows + 1, 1);  // only the count matters
    const treasury::OverviewBatch batch = treasury::overviewBatch({}, lines, {}, {}, "20261210", "20261211");
    EXPECT_EQ(batch.refusal, vocab::CPORPREMNOGUNALOZI + "1000000");
    EXPECT_TRUE(batch.input.AGFAJL.empty());
}

TEST_F(OverviewBatch, AmountsWiderThanTheColumnWidenTheListAndStillMatchTheStoredOrders) {
    ASSERT_TRUE(shell::MISCSQL1(db, "BEGIN; UPDATE Nalozi SET Iznos = 123456789012.34 WHERE ID = 2"));
    const ui::TextTable list = shown("1");
    EXPECT_EQ(list.at(0, AMOUNT - 1), "        1234.50");
    EXPECT_EQ(list.at(1, AMOUNT - 1), "123456789012.34");
    // Selected without the widest amount, and with it.
    for (const std::vector<int>& lines : {std::vector<int>{1, 3}, std::vector<int>{2, 1}}) {
        const treasury::OverviewBatch batch = batchOf(list, lines, "TRZ");
        EXPECT_EQ(batch.refusal, std::nullopt);
        ASSERT_EQ(batch.input.AGFAJL.size(), 2u);
    }
    EXPECT_EQ(batchOf(list, {2, 1}, "TRZ").input.AGFAJL[0].amount, 12345678901234);
    // An amount that grew wider since the list was loaded names its own order.
    ASSERT_TRUE(shell::MISCSQL1(db, "UPDATE Nalozi SET Iznos = 1234567890123.45 WHERE ID = 3"));
    EXPECT_EQ(batchOf(list, {1, 3}, "TRZ").refusal, vocab::CPORNALOGIZMENET + "3 (76) Фонд за здравство");
    ASSERT_TRUE(shell::MISCSQL1(db, "ROLLBACK"));
}

TEST_F(OverviewBatch, TheBatchReadFromTheDatabaseIsTheBatchOfTheStoredRows) {
    const ui::TextTable list = shown("1");
    const std::vector<int> lines = {4, 1, 2, 3};
    const treasury::OverviewBatch read = storedBatchOf(list, lines), fromRows = batchOf(list, lines, "TRZ");
    ASSERT_EQ(read.refusal, std::nullopt);
    EXPECT_EQ(read.ids, fromRows.ids);
    EXPECT_EQ(read.input.CSMETKAZADOLZUVA, fromRows.input.CSMETKAZADOLZUVA);
    EXPECT_EQ(fileOf(read), fileOf(fromRows));
    // The orders changed since the list loaded, and a value the file cannot carry.
    struct Case {
        const char* change;
        std::string refusal;
    };
    const Case cases[] = {
        {"DELETE FROM Nalozi WHERE ID = 2", vocab::CPORNALOGNEPOSTOI + "2 (70) Трезорска сметка"},
        {"UPDATE Nalozi SET Iznos = 0.08 WHERE ID = 2", vocab::CPORNALOGIZMENET + "2 (70) Трезорска сметка"},
        {"UPDATE Nalozi SET Iznos = 'xyz' WHERE ID = 2",
         vocab::CPORNECITLIVAVREDNOST + "Износ. " + vocab::CPORNALOG + "2 (70) Трезорска сметка"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        ASSERT_TRUE(shell::MISCSQL1(db, "BEGIN; " + std::string(c.change)));
        const treasury::OverviewBatch batch = storedBatchOf(list, lines);
        EXPECT_EQ(batch.refusal, c.refusal);
        EXPECT_TRUE(batch.input.AGFAJL.empty());
        ASSERT_TRUE(shell::MISCSQL1(db, "ROLLBACK"));
    }
    EXPECT_TRUE(ui.shown.empty());
    // Orders that cannot be read at all: the database layer says why, the batch adds nothing.
    ASSERT_TRUE(shell::MISCSQL1(db, "BEGIN; ALTER TABLE Nalozi RENAME TO Stari"));
    EXPECT_EQ(storedBatchOf(list, lines).refusal, "");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.shown[0].starts_with("stop||no such table: Nalozi")) << ui.shown[0];
    ASSERT_TRUE(shell::MISCSQL1(db, "ROLLBACK"));
}

TEST_F(OverviewBatch, ManyOrdersReadInPartsEachGoToTheirOwnLine) {
    addOrders(2500);
    const ui::TextTable list = shown("1");
    // Every unsubmitted line, the last first: the database gives them back otherwise.
    std::vector<int> lines;
    for (int line = static_cast<int>(list.rows()); line >= 1; --line) lines.push_back(line);
    const treasury::OverviewBatch batch = storedBatchOf(list, lines);
    ASSERT_EQ(batch.refusal, std::nullopt);
    ASSERT_EQ(batch.input.AGFAJL.size(), lines.size());
    EXPECT_EQ(fileOf(batch), fileOf(batchOf(list, lines, "TRZ")));
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const std::string id = list.at(static_cast<std::size_t>(lines[r] - 1), 0);
        ASSERT_EQ(batch.ids[r], id);
        if (std::stoi(id) > 100) {
            ASSERT_EQ(batch.input.AGFAJL[r].amount, std::stoll(id) * 100) << "line " << lines[r];
        }
    }
    // Of the orders that fail, the first selected line's is named, wherever
    // the database gives it back; a value the file cannot carry comes first.
    const auto selectedFirst = [&](const std::string& a, const std::string& b) {
        for (const std::string& id : batch.ids)
            if (id == a || id == b) return id;
        return std::string();
    };
    struct Case {
        const char* change;
        std::string refusal;
    };
    const Case cases[] = {
        {"UPDATE Nalozi SET Iznos = 1 WHERE ID IN (150, 2550)",
         vocab::CPORNALOGIZMENET + selectedFirst("150", "2550") + " (60) Книжарница Жар"},
        {"DELETE FROM Nalozi WHERE ID = 101; UPDATE Nalozi SET Iznos = 1 WHERE ID = 1200",
         (selectedFirst("101", "1200") == "101" ? vocab::CPORNALOGNEPOSTOI + "101" : vocab::CPORNALOGIZMENET + "1200") +
             " (60) Книжарница Жар"},
        {"UPDATE Nalozi SET Iznos = 1 WHERE ID = 2600; UPDATE Nalozi SET DatumNaDospeanost = 'x' WHERE ID = 102",
         vocab::CPORNECITLIVAVREDNOST + "Датум на доспеаност. " + vocab::CPORNALOG + "102 (60) Книжарница Жар"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        ASSERT_TRUE(shell::MISCSQL1(db, "BEGIN; " + std::string(c.change)));
        EXPECT_EQ(storedBatchOf(list, lines).refusal, c.refusal);
        ASSERT_TRUE(shell::MISCSQL1(db, "ROLLBACK"));
    }
}

TEST_F(OverviewBatch, TheSubmissionSetsTheDateOfTheOrdersSentOnly) {
    EXPECT_TRUE(shell::changeRows(db, treasury::submissionChange({"4", "1"}, "20261210")));
    EXPECT_EQ(rows("SELECT group_concat(ID || ':' || DatumNaPodnesuvanje, ' ') FROM Nalozi WHERE IsplakjaciID = 1")
                  .at(0, 0),
              "1:20261210 2: 3: 4:20261210 5:20261201");
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
