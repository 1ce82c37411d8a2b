// Treasury orders from paid items: the two stored orders and the two file rows
// of each item, for a TRZ and an FZM payer, to the byte; and the refusals.
#include "payments/paid_orders.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "item_rows.h"
#include "shell/sql1.h"
#include "shell/statement.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"
#include "treasury/nalozi_table.h"
#include "treasury/order_file.h"

namespace {

using testing_support::itemRow;
using testing_support::itemTable;
using payments::shownAmount;

// An ASCII text filled with blanks to its width.
std::string w(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

payments::PaidOrdersInput input(const char* kind) {
    payments::PaidOrdersInput in;
    in.payerId = "1";
    in.payer.MDANOCENBROJ = "4030990123456";
    in.payer.MTREZORSKAKANCELARIJA = "123";
    in.payer.MKRATENKAINSTITUCIJA = "ABC";
    in.payer.MVIDNATREZOR = kind;
    in.payer.MPROGRAMAZADOLZUVA = "11";
    in.accountId = "2";
    in.accountNumber = "300000000012345";
    in.kontoCode = "423110";
    in.submissionDate = "20240305";
    in.processingDate = "20240306";
    in.dueDate = "20240310";
    in.folio = "UJP 2024/17";
    in.treasuryAccountRM = "100000000063095";
    in.treasuryAccountFZOM = "100000000063100";
    in.taxAccount1 = "840";
    in.taxAccount2 = "01242";
    return in;
}

// Жарко Шапков: municipality 085, the treasury parameters' tax account parts,
// no programme; Ана Петрова: tax 0, her sub-revenue's own parts and programme.
ui::TextTable twoItems() {
    return itemTable({
        itemRow({{1, "7"}, {12, "Жарко"}, {13, "Шапков"}, {15, "085"}, {16, "210000000000017"},
                 {20, shownAmount(800)}, {21, shownAmount(8000)}, {27, "4"}, {32, "3"}, {33, "722319"},
                 {34, ""}, {35, "  "}, {36, "99999"}}),
        itemRow({{1, "9"}, {15, "001"}, {16, "210000000000025"}, {20, shownAmount(0)}, {21, shownAmount(5000)},
                 {27, "6"}, {32, "5"}, {33, "722111"}, {34, "AB"}, {35, "123"}, {36, "45678"}}),
    });
}

const std::string folio70 = w("UJP 2024/17", 70);

TEST(PaidOrders, ATrzPayerAndTwoItemsGiveFourRecordsNetAndTaxInTurn) {
    const payments::PaidOrders orders = payments::paidOrders(input("TRZ"), twoItems());
    ASSERT_FALSE(orders.refusal);
    const std::string head = "100000000063095" "300000000012345" "423110" "11" + folio70 + "000000";
    const std::string tail = "24030990123456" "20240310";  // method, tax number, due date
    const std::string expected =
        "1ABCTRZ202403061000004+000000000013800,00\r\n"
        "2000001" + head + "+000000000008000,00" + w("210000000000017", 18) + w("Zarko Sapkov", 70) +
        w("", 15) + w("", 6) + w("", 2) + w("Zarko Sapkov", 24) + "60" + tail + "\r\n"
        "2000002" + head + "+000000000000800,00" + w("100000000063095", 18) + w("Trezorska smetka", 70) +
        "84008501242    " "722319" "00" + w("Personalen danok", 24) + "70" + tail + "\r\n"
        "2000003" + head + "+000000000005000,00" + w("210000000000025", 18) + w("Ana Petrova", 70) +
        w("", 15) + w("", 6) + w("", 2) + w("Ana Petrova", 24) + "60" + tail + "\r\n"
        "2000004" + head + "+000000000000000,00" + w("100000000063095", 18) + w("Trezorska smetka", 70) +
        "12300145678    " "722111" "AB" + w("Personalen danok", 24) + "70" + tail + "\r\n";
    EXPECT_EQ(treasury::orderFile(orders.file, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1'), expected);
    EXPECT_EQ(orders.file.CSMETKAZADOLZUVA, "100000000063095");
    EXPECT_TRUE(orders.file.LODBITOCI);
    EXPECT_EQ(orders.file.DDATANAPODNESUVANJE, "20240305");

    // The stored orders' values, as naloziInsert takes them: blank texts as empty ones.
    ASSERT_EQ(orders.orders.rows(), 4u);
    const auto values = [](std::vector<std::string> rest) {
        std::vector<std::string> v = {"20240305", "20240310", "100000000063095", "300000000012345"};
        v.insert(v.end(), rest.begin(), rest.end());
        return v;
    };
    EXPECT_EQ(orders.orders.row(0),
              values({"404110", "11", folio70, "123", "            8000.00", "210000000000017   ", w("Zarko Sapkov", 70),
                      "", "", "", folio70, "60", "2", "4030990123456", "1", "2", "13", "3", "4", ""}));
    EXPECT_EQ(orders.orders.row(1),
              values({"401320", "11", folio70, "123", "             800.00", "100000000063095   ", "",
                      "84008501242    ", "711111", "00", folio70, "70", "2", "4030990123456", "1", "2", "14", "3", "4",
                      "15"}));
}

TEST(PaidOrders, AnFzmPayerUsesItsFormsAndDebitAccountAndStillPaysTaxToTheState) {
    const payments::PaidOrders orders = payments::paidOrders(input("FZM"), twoItems());
    ASSERT_FALSE(orders.refusal);
    const std::string file = treasury::orderFile(orders.file, treasury::TreasuryKind::FZM, treasury::Mode::N, '1');
    EXPECT_EQ(file.substr(0, 43), "1ABCFZM202403061000004+000000000013800,00\r\n");
    const std::string head = "100000000063100" "300000000012345" "423110" "11" + folio70 + "000000";
    const std::string tax1 = "2000002" + head + "+000000000000800,00" + w("100000000063095", 18) +
                             w("Trezorska smetka", 70) + "84008501242    " "722319" "00" +
                             w("Personalen danok", 24) + "76" "24030990123456";  // 18 values, no due date
    EXPECT_NE(file.find("\r\n" + tax1 + "\r\n"), std::string::npos);
    EXPECT_EQ(file.size(), 43 + 4 * (291 + 2));
    EXPECT_EQ(orders.file.CSMETKAZADOLZUVA, "100000000063100");
    const auto cells = [&](std::size_t row, std::initializer_list<std::size_t> columns) {
        std::vector<std::string> out;
        for (std::size_t c : columns) out.emplace_back(orders.orders.cell(row, c));
        return out;
    };
    EXPECT_EQ(cells(0, {2, 3, 4, 15, 16}),
              (std::vector<std::string>{"100000000063100", "300000000012345", "404110", "92", "2"}));
    EXPECT_EQ(cells(1, {9, 10, 11, 15, 16}),
              (std::vector<std::string>{"100000000063095   ", "", "84008501242    ", "76", "2"}));
}

// Names from a table filled by other means: tabs and line ends around them
// reach neither the stored orders nor the file, at either end.
TEST(PaidOrders, NamesAreTrimmedAtBothEnds) {
    std::vector<std::string> first = twoItems().row(0), second = twoItems().row(1);
    first[11] = "Жарко\t";
    first[12] = "\r\nШапков\n";
    second[11] = "\tАна\n";
    const payments::PaidOrders plain = payments::paidOrders(input("TRZ"), twoItems());
    const payments::PaidOrders trimmed = payments::paidOrders(input("TRZ"), itemTable({first, second}));
    ASSERT_FALSE(trimmed.refusal);
    EXPECT_EQ(treasury::orderFile(trimmed.file, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1'),
              treasury::orderFile(plain.file, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1'));
    EXPECT_EQ(trimmed.orders.cell(0, 10), w("Zarko Sapkov", 70));
    EXPECT_EQ(trimmed.orders.cell(2, 10), w("Ana Petrova", 70));
}

TEST(PaidOrders, TheStatementsStoreSubmittedOrdersInNalozi) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    testing_support::RecordingInteraction seam;
    ASSERT_TRUE(shell::MISCSQL1(db, treasury::naloziCreate()));
    {
        const payments::PaidOrders orders = payments::paidOrders(input("TRZ"), twoItems());
        shell::Statement insert(db, payments::naloziInsert);  // finalized before the database closes
        for (std::size_t r = 0; r < orders.orders.rows(); ++r) ASSERT_TRUE(insert.run(orders.orders, r)) << r;
    }
    const auto rows = shell::SQL(db,
                                 "SELECT DatumNaPodnesuvanje, Obrazec, Iznos, KontoPrimac, KontaPrimaciID, PrimaciID "
                                 "FROM Nalozi ORDER BY ID");
    std::vector<std::vector<std::string>> got;
    for (std::size_t r = 0; r < rows.rows(); ++r) got.push_back(rows.row(r));
    EXPECT_EQ(got, (std::vector<std::vector<std::string>>{{"20240305", "60", "8000", "", "", "3"},
                                                          {"20240305", "70", "800", "711111", "15", "3"},
                                                          {"20240305", "60", "5000", "", "", "5"},
                                                          {"20240305", "70", "0", "711111", "15", "5"}}));
    sqlite3_close(db);
}

TEST(PaidOrders, RefusedBeforeAnythingIsBuilt) {
    struct Case {
        const char* what;
        const char* kind;
        std::map<int, std::string> second;  // values of the second item
        std::string message;
    };
    const Case cases[] = {
        {"a recipient without a municipality", "TRZ", {{1, "9"}, {15, "   "}},
         vocab::CPORPRIMACBEZOPSTINA + "9 Ана Петрова"},
        {"a municipality left empty", "TRZ", {{1, "9"}, {15, ""}, {35, "1"}, {36, "2"}},
         vocab::CPORPRIMACBEZOPSTINA + "9 Ана Петрова"},
        {"a payer of neither treasury kind", "XYZ", {}, vocab::CPORNESEZNAETREZOROT},
        {"a negative net amount: its order by sequence, form and recipient", "TRZ", {{21, shownAmount(-5)}},
         vocab::CPORNEGATIVENIZNOSNALOG + "000003 (60) Ana Petrova"},
    };
    for (const Case& c : cases) {
        const auto orders =
            payments::paidOrders(input(c.kind), itemTable({itemRow({{15, "085"}}), itemRow(c.second)}));
        EXPECT_EQ(orders.refusal.value_or(""), c.message) << c.what;
        EXPECT_TRUE(orders.orders.empty()) << c.what;
        EXPECT_TRUE(orders.file.AGFAJL.empty()) << c.what;
    }
}

// Two orders an item: 500,000 items would make a file of a million rows.
TEST(PaidOrders, MoreItemsThanOneFileHoldsAreRefusedBeforeAnyIsRead) {
    ui::TextTable items(1);  // only their count is looked at
    items.reserve(500'000);
    for (int i = 0; i < 500'000; ++i) items.appendRow({""});
    const auto orders = payments::paidOrders(input("TRZ"), items);
    EXPECT_EQ(orders.refusal, vocab::CPORPREMNOGUNALOZI + "1000000");
    EXPECT_TRUE(orders.orders.empty());
    EXPECT_TRUE(orders.file.AGFAJL.empty());
}

}  // namespace
