// Payment order values: amounts read and shown, the list row, the stored row
// of each form set, the save's checks in order and its statements.
#include "treasury/order_values.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/vocabulary.h"
#include "treasury/amounts.h"

namespace {

using treasury::OrderEntry;

TEST(OrderAmounts, ShownWithTwoDecimalsNeverCut) {
    EXPECT_EQ(treasury::amountText(12345678912, 11), "123456789.12");  // wider than the column, whole
    EXPECT_EQ(treasury::amountText(150, 11), "       1.50");
    EXPECT_EQ(treasury::amountText(-5, 0), "-0.05");
    EXPECT_EQ(treasury::amountText(0), "0.00");
    EXPECT_EQ(treasury::amountText(12345678912, 19), "       123456789.12");
    EXPECT_EQ(treasury::parseCents(treasury::amountText(12345678912, 11)), 12345678912);
}

TEST(OrderList, QueryAndShownRow) {
    EXPECT_EQ(treasury::orderListQuery("60", "3").substr(0, 7), "SELECT ");
    EXPECT_NE(treasury::orderListQuery("60", "3").find("from Nalozi AS t  WHERE Obrazec = '60' AND t.IsplakjaciID = '3'"),
              std::string::npos);
    ui::TextTable rows(25);
    std::vector<std::string> row(25);
    row[2] = "";
    row[3] = "20261201";
    row[10] = "123456789.12";
    rows.appendRow(row);
    row[2] = "20261205";
    row[10] = "1000";
    rows.appendRow(row);
    treasury::shapeOrderRows(rows);
    EXPECT_EQ(rows.at(0, 2), "  .  .    ");
    EXPECT_EQ(rows.at(0, 3), "01.12.2026");
    EXPECT_EQ(rows.at(0, 10), "123456789.12");
    EXPECT_EQ(rows.at(1, 2), "05.12.2026");
    EXPECT_EQ(rows.at(1, 10), "     1000.00");  // as wide as the widest amount of the list
}

// Amounts of one list share one width, so their texts sort as their values do.
TEST(OrderList, AmountsOfEveryWidthSortAsTextByValue) {
    const std::vector<std::string> stored = {"5",           "99999999.99",  "1000",        "123456789012.34",
                                             "100000000",   "0.07",         "12345678.9",  "999999999999999.99"};
    ui::TextTable rows(25);
    for (const std::string& amount : stored) {
        std::vector<std::string> row(25);
        row[10] = amount;
        rows.appendRow(row);
    }
    treasury::shapeOrderRows(rows);
    std::vector<std::string> shown;
    for (std::size_t r = 0; r < rows.rows(); ++r) shown.push_back(rows.at(r, 10));
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"              0.07", "              5.00", "           1000.00",
                                               "       12345678.90", "       99999999.99", "      100000000.00",
                                               "   123456789012.34", "999999999999999.99"}));
    // Short amounts alone keep the list's 11 characters.
    ui::TextTable small(25);
    small.appendRow(std::vector<std::string>(25));
    treasury::shapeOrderRows(small);
    EXPECT_EQ(small.at(0, 10), "       0.00");
}

TEST(OrderList, AmountsInAGivenWidthAsAListShowsThem) {
    ui::TextTable rows(25);
    for (const char* amount : {"12.5", "123456789012.34"}) {
        std::vector<std::string> row(25);
        row[10] = amount;
        rows.appendRow(row);
    }
    treasury::shapeOrderRows(rows, 14);
    EXPECT_EQ(rows.at(0, 10), "         12.50");
    EXPECT_EQ(rows.at(1, 10), "123456789012.34");  // wider: whole
}

TEST(OrderList, IdentityNumberSplitForCashForms) {
    EXPECT_EQ(treasury::identityParts("А1234567"), std::make_pair(std::string("А12345"), std::string("67")));
    EXPECT_EQ(treasury::identityParts("1234"), std::make_pair(std::string("1234"), std::string()));
    EXPECT_EQ(treasury::identityParts("123456789"), std::make_pair(std::string("123456"), std::string("78")));
}

// One entry with every value distinct, so each column shows where it came from.
OrderEntry entry(const std::string& code) {
    return {.formCode = code,
            .dueDate = "20261210",
            .debitedAccount = "DEBITED",
            .payerAccountId = "11",
            .payerAccount = "PAYERACC",
            .kontoId = "12",
            .konto = "KONTO",
            .programme = "PR",
            .purpose = "PURPOSE",
            .office = "OFFICE",
            .cents = 150,
            .payerId = "3",
            .payerTaxNumber = "TAXNUMBER",
            .method = "2",
            .recipientId = "13",
            .recipientName = "NAME",
            .recipientAccountId = "14",
            .recipientAccount = "RECIPACC",
            .revenueKontoId = "15",
            .revenueKonto = "REVKONTO",
            .payeeAccount = "TREASURY",
            .accountBox = "ACCBOX",
            .nameBox = "NAMEBOX",
            .subAccountBox = "SUBBOX",
            .kontoBox = "KONTOBOX",
            .programmeBox = "PB",
            .reference = "REFERENCE",
            .initialSubAccount = "INITIALSUB"};
}

TEST(OrderSave, StoredColumnsBySet) {
    // From SmetkaPrimac on; the first nine columns are the same on every form.
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"60", {"RECIPACC", "NAME", "", "", "", "REFERENCE", "60", "2", "TAXNUMBER", "3", "11", "12", "13", "14", "0"}},
        {"91", {"TREASURY", "NAME", "RECIPACC", "REVKONTO", "PB", "PURPOSE", "91", "2", "TAXNUMBER", "3", "11", "12", "13",
                "14", "15"}},
        {"76", {"TREASURY", "NAME", "RECIPACC", "REVKONTO", "PB", "PURPOSE", "76", "2", "TAXNUMBER", "3", "11", "12", "13",
                "14", "15"}},
        {"73", {"ACCBOX", "NAMEBOX", "SUBBOX", "KONTOBOX", "PB", "REFERENCE", "73", "2", "TAXNUMBER", "3", "11", "12", "0",
                "0", "0"}},
        {"94", {"DEBITED", "NAME", "INITIALSUB", "KONTOBOX", "PB", "REFERENCE", "94", "2", "REFERENCE", "3", "11", "12",
                "13", "0", "0"}},
    };
    const std::vector<std::string> common = {"",         "20261210", "DEBITED", "PAYERACC",           "KONTO",
                                             "PR",       "PURPOSE",  "OFFICE",  "               1.50"};
    for (const auto& [code, tail] : cases) {
        const auto values = treasury::orderColumns(entry(code));
        ASSERT_EQ(values.size(), treasury::ORDERCOLUMNS.size());
        EXPECT_EQ(std::vector<std::string>(values.begin(), values.begin() + 9), common) << code;
        EXPECT_EQ(std::vector<std::string>(values.begin() + 9, values.end()), tail) << code;
    }
}

TEST(OrderSave, ChecksInOrderAndNameTheRefusedBox) {
    using namespace vocab;
    using Said = std::pair<std::string, std::string>;  // the message and the box the focus goes back to
    const auto refusal = [](OrderEntry e) {
        const auto r = treasury::orderRefusal(e);
        return r ? Said{r->message, r->box} : Said{"passes", ""};
    };
    const struct {
        const char* code;
        std::function<void(OrderEntry&)> change;
        Said said;
    } cases[] = {
        {"60", [](OrderEntry&) {}, {"passes", ""}},
        {"60", [](OrderEntry& e) { e.recipientWithoutAccount = true; e.dueDate = ""; },
         {CPORNEMAZIROSMETKAPRIMAC, "cbNaloziPrimaci"}},
        {"73", [](OrderEntry& e) { e.recipientWithoutAccount = true; e.accountBox = "  "; }, {"passes", ""}},
        {"94", [](OrderEntry& e) { e.recipientWithoutAccount = true; }, {"passes", ""}},
        {"76", [](OrderEntry& e) { e.payeeAccount = ""; }, {CPORNEMAZIROSMETKAPRIMAC, ""}},  // the parameters' account
        {"60", [](OrderEntry& e) { e.recipientAccount = " "; }, {CPORNEMAZIROSMETKAPRIMAC, "cbNaloziPrimaciZiroSmetki"}},
        {"70", [](OrderEntry& e) { e.dueDate = "        "; e.purpose = ""; },
         {CPORPRAZENDATUMNADOSPEANOST, "txtNaloziDatumNaDospeanost"}},
        {"70", [](OrderEntry& e) { e.purpose = "   "; e.cents = 0; }, {CPORPRAZENCELNADOZNAKA, "txtNaloziCelNaDoznaka"}},
        {"70", [](OrderEntry& e) { e.cents = 0; e.reference = ""; }, {CPORPRAZENIZNOS, "txtNaloziIznos"}},
        {"80", [](OrderEntry& e) { e.cents = -1; e.reference = ""; }, {CPORNEGATIVENIZNOS, "txtNaloziIznos"}},
        {"90", [](OrderEntry& e) { e.reference = " "; }, {CPORPRAZENPOVIKUVANJENABROJ, "txtNaloziPovikuvanjeNaBroj"}},
        {"73", [](OrderEntry& e) { e.reference = ""; }, {"passes", ""}},
        {"70", [](OrderEntry& e) { e.reference = ""; }, {"passes", ""}},  // the reference is the purpose there
        {"80", [](OrderEntry& e) { e.reference = ""; }, {CPORPRAZENEMBG, "txtNaloziPovikuvanjeNaBroj"}},
        {"94", [](OrderEntry& e) { e.payerTaxNumber = ""; }, {"passes", ""}},
    };
    for (const auto& c : cases) {
        OrderEntry e = entry(c.code);
        c.change(e);
        EXPECT_EQ(refusal(e), c.said) << c.code << " " << c.said.first;
    }
}

TEST(OrderSave, InsertAndUpdate) {
    auto values = treasury::orderColumns(entry("60"));
    values[6] = "Д'Арк";
    const std::string insert = treasury::orderStatement(values, "");
    EXPECT_TRUE(insert.starts_with("insert into Nalozi (DatumNaPodnesuvanje, DatumNaDospeanost, SmetkaZadolzuva, "))
        << insert;
    EXPECT_NE(insert.find("KontaPrimaciID) values ('', '20261210', 'DEBITED', 'PAYERACC', 'KONTO', 'PR', 'Д''Арк', "),
              std::string::npos);
    EXPECT_TRUE(insert.ends_with("', '3', '11', '12', '13', '14', '0');")) << insert;
    const std::string update = treasury::orderStatement(values, "42");
    EXPECT_TRUE(update.starts_with("update Nalozi set DatumNaPodnesuvanje = '',  DatumNaDospeanost = '20261210', "))
        << update;
    EXPECT_TRUE(update.ends_with("',  KontaPrimaciID = '0' WHERE ID = '42';")) << update;
}

}  // namespace
