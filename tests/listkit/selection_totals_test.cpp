// The count and total of a selection and the question that shows them.
#include "listkit/selection_totals.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectionTotals, CountAndSumOfTheSelectedLinesOnly) {
    const std::vector<std::int64_t> amounts = {0, 150, 2000, -5, 7};  // by line; line 0 unused
    const auto amountOf = [&](int line) { return amounts.at(line); };
    const auto none = listkit::selectionTotals({}, amountOf);
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(none.total, 0);
    const auto some = listkit::selectionTotals({1, 3, 4}, amountOf);
    EXPECT_EQ(some.count, 3);
    EXPECT_EQ(some.total, 152);
}

TEST(SelectionTotals, TotalTextsOfOrdersAndOfItems) {
    const std::pair<std::int64_t, const char*> orders[] = {
        {0, "         0.00"}, {7, "         0.07"},       {123450, "      1234.50"},
        {-250, "        -2.50"}, {99'999'999'999'999'999, "999999999999999.99"},
    };
    for (const auto& [cents, text] : orders) EXPECT_EQ(listkit::ordersTotalText(cents), text);
    EXPECT_EQ(listkit::itemsTotalText(30900), "     30900");
}

TEST(SelectionTotals, QuestionNamesCountAndTotalLineByLine) {
    EXPECT_EQ(listkit::selectionQuestion("Ќе биде креиран фајл за трезор со следните податоци:", 3,
                                         listkit::ordersTotalText(3090050)),
              "Ќе биде креиран фајл за трезор со следните податоци:\r\n"
              "Вкупно вирмани:         3\r\n"
              "Вкупен износ:     30900.50\r\n"
              "Дали сте сигурни?");
}

}  // namespace
