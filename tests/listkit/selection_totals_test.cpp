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

TEST(SelectionTotals, TotalTextOfItems) {
    EXPECT_EQ(listkit::itemsTotalText(30900), "     30900");
    EXPECT_EQ(listkit::itemsTotalText(12345678901), "12345678901");
}

TEST(SelectionTotals, QuestionNamesCountAndTotalLineByLine) {
    EXPECT_EQ(listkit::selectionQuestion("Ќе биде креиран фајл за трезор со следните податоци:", 3,
                                         "     30900.50"),
              "Ќе биде креиран фајл за трезор со следните податоци:\r\n"
              "Вкупно вирмани:         3\r\n"
              "Вкупен износ:     30900.50\r\n"
              "Дали сте сигурни?");
}

}  // namespace
