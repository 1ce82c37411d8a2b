#include "payments/item_row.h"

#include <gtest/gtest.h>

namespace {

TEST(ItemRow, AmountsRightAlignedInNineCharacters) {
    struct Case {
        std::string stored, shown;
    } cases[] = {
        {"0", "        0"},      {"12345", "    12345"},  {"", "        0"},         {"  77", "       77"},
        {"99999999", " 99999999"}, {"999999999", "999999999"}, {"1000000000", "*********"}, {"-5", "       -5"},
        {"abc", "        0"},    {"12.5", "        0"},
    };
    for (const Case& c : cases) EXPECT_EQ(payments::shownAmount(c.stored), c.shown) << '"' << c.stored << '"';
    EXPECT_EQ(payments::amountOf("    12345"), 12345);
    EXPECT_EQ(payments::amountOf("        0"), 0);
    EXPECT_EQ(payments::amountOf(""), 0);
}

TEST(ItemRow, DatesAndAmountsShownOtherValuesAsLoaded) {
    ui::TextTable stored(payments::item::COLUMNS);
    std::vector<std::string> values(payments::item::COLUMNS);
    for (int c = 1; c <= payments::item::COLUMNS; ++c) values[c - 1] = "v" + std::to_string(c);
    values[1] = "20240305";  // paid
    values[2] = "20240201";
    values[3] = "";  // no period end
    values[16] = "";
    values[17] = "12345";
    values[18] = "0";
    values[19] = "1";
    values[20] = "99999999";
    values[21] = "7";
    values[22] = " 08-15 ";   // the decision number as stored
    values[23] = "        ";  // no decision date
    stored.appendRow(values);

    const ui::TextTable shown = payments::shownItemRows(stored);
    std::vector<std::string> expected = values;
    expected[1] = "05.03.2024";
    expected[2] = "01.02.2024";
    expected[3] = "  .  .    ";
    expected[16] = "        0";
    expected[17] = "    12345";
    expected[18] = "        0";
    expected[19] = "        1";
    expected[20] = " 99999999";
    expected[21] = "        7";
    expected[23] = "  .  .    ";
    EXPECT_EQ(shown.row(0), expected);
}

}  // namespace
