// Sorting by a caption click, on the rows alone.
#include "listkit/sort.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/text/utf8.h"

namespace {

using listkit::ListState;

ui::TextTable table(std::initializer_list<std::vector<std::string>> rows) {
    ui::TextTable t(rows.begin()->size());
    for (const auto& r : rows) t.appendRow(r);
    return t;
}

std::vector<std::string> column(const ui::TextTable& t, const std::vector<std::size_t>& order, std::size_t c) {
    std::vector<std::string> out;
    for (std::size_t r : order) out.push_back(t.at(r, c));
    return out;
}

// A state as a load leaves it: identities 1..n.
ListState loaded(const std::vector<std::string>& captions, std::size_t rows) {
    ListState s = *listkit::newListState("frmT", "grdT", captions);
    for (std::uint32_t i = 1; i <= rows; ++i) s.identity.push_back(i);
    return s;
}

// Applies a sort to the rows as the grid would show them.
ui::TextTable reordered(ui::TextTable t, const std::vector<std::size_t>& order) {
    t.reorder(order);
    return t;
}

TEST(SortOrder, StatesCycleZeroOneTwo) {
    EXPECT_EQ(listkit::nextSortState(0), 1);
    EXPECT_EQ(listkit::nextSortState(1), 2);
    EXPECT_EQ(listkit::nextSortState(2), 0);
}

TEST(SortOrder, UpperCasedCyrillicAndLatinStableInBothDirections) {
    // б and Б are equal once upper-cased and keep their order, also descending.
    const auto t =
        table({{"1", "б"}, {"2", "Б"}, {"3", "а"}, {"4", "Ѓорѓи"}, {"5", "zebra"}, {"6", "Apple"}, {"7", "10"}});
    EXPECT_EQ(column(t, listkit::sortOrder(t, 2, 1), 0),
              (std::vector<std::string>{"7", "6", "5", "4", "3", "1", "2"}));  // digits, Latin, Ѓ before А
    EXPECT_EQ(column(t, listkit::sortOrder(t, 2, 2), 0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
}

TEST(SortOrder, StateZeroSortsIdsAsTextWithoutCaseFolding) {
    const auto t = table({{"9", "x"}, {"10", "y"}, {"2", "z"}, {"1", "w"}, {"b", ""}, {"B", ""}});
    EXPECT_EQ(column(t, listkit::sortOrder(t, 2, 0), 0), (std::vector<std::string>{"1", "10", "2", "9", "B", "b"}));
}

TEST(SortOrder, AShorterTextSortsBeforeTextsItBegins) {
    const auto t = table({{"1", "Петровски"}, {"2", "Петров"}, {"3", "ПЕТ"}});
    EXPECT_EQ(column(t, listkit::sortOrder(t, 2, 1), 1), (std::vector<std::string>{"ПЕТ", "Петров", "Петровски"}));
}

// The order of a stable sort comparing the whole upper-cased texts of
// `column` (1-based; the IDs as they stand in state 0), ties in the order they
// had, in the descending state too.
std::vector<std::size_t> plainStableSort(const ui::TextTable& rows, int column, int state) {
    std::vector<std::size_t> order(rows.rows());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto key = [&](std::size_t r) {
        return state == 0 ? rows.at(r, 0) : utf8::upper(rows.cell(r, static_cast<std::size_t>(column - 1)));
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return state == 2 ? key(b) < key(a) : key(a) < key(b); });
    return order;
}

// Sorts `rows` by `column` in every state from two starting orders (as loaded,
// and ascending already, as before a descending click), beside the plain sort.
void expectPlainStableSorts(const ui::TextTable& loadedRows, int column) {
    const ui::TextTable ascending = reordered(loadedRows, plainStableSort(loadedRows, column, 1));
    for (const ui::TextTable* rows : {&loadedRows, &ascending})
        for (int state : {0, 1, 2})
            EXPECT_EQ(listkit::sortOrder(*rows, column, state), plainStableSort(*rows, column, state))
                << "column " << column << " state " << state << (rows == &ascending ? " from ascending" : " from load order");
}

// Keys that agree in their first 16 bytes and beyond, end early, hold a zero
// byte or differ only in letter case.
TEST(SortOrder, AgreesWithAStableSortOfTheWholeUpperCasedTexts) {
    const std::string zero("ПЕТРОВСКИ\0а", 20);
    const std::vector<std::string> names = {
        "Петровска Ана", "петровска ана", "Петровска Ана ", "Петровска", "Петровска Анастасија", "ПЕТРОВСКА АНА",
        "Петровски", zero, zero, "Петровски", "ѓорѓи", "Ѓорѓи", "Zoran", "zoran", "10", "9", "", "Петровска Ана"};
    ui::TextTable rowsAsLoaded(2);
    for (std::size_t i = 0; i < names.size(); ++i) rowsAsLoaded.appendRow({std::to_string(i), names[i]});
    expectPlainStableSorts(rowsAsLoaded, 2);
}

// Thousands of rows: a column of few texts, repeated in other letter cases, and
// one whose first rows are all distinct and whose later rows repeat them.
TEST(SortOrder, ManyRowsOfRepeatedOrMostlyDistinctTextsAgreeWithAStableSort) {
    const char* const few[] = {"Ана", "АНА", "ана", "Петровска Анастасија", "Петровска Ана", "", "ѓорѓи", "Ѓорѓи"};
    constexpr std::size_t count = 5000;
    ui::TextTable rows(3);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t distinct = i < count / 2 ? i * 7919 % count : (i * 31) % (count / 2);
        const std::string mostlyDistinct = (i % 3 == 0 ? "ред " : "РЕД ") + std::to_string(distinct);
        rows.appendRow({std::to_string(i), std::string(few[i * 5 % std::size(few)]), mostlyDistinct});
    }
    for (int column : {2, 3}) expectPlainStableSorts(rows, column);
}

TEST(SortCaptions, OnlyTheSortedColumnCarriesASign) {
    const std::vector<std::string> original{"ID", "Име", "Опис"};
    EXPECT_EQ(listkit::sortCaptions(original, 2, 1), (std::vector<std::string>{"ID", "Име ^", "Опис"}));
    EXPECT_EQ(listkit::sortCaptions(original, 3, 2), (std::vector<std::string>{"ID", "Име", "Опис v"}));
    EXPECT_EQ(listkit::sortCaptions(original, 2, 0), original);
}

TEST(SortList, ThreeClicksThenAscendingAgain) {
    const auto rows = table({{"10", "в"}, {"9", "а"}, {"2", "б"}});
    ListState s = loaded({"ID", "Име"}, 3);
    ui::TextTable shown = rows;
    struct Click {
        std::vector<std::string> names, captions;
        int sortColumn;
    };
    const Click clicks[] = {{{"а", "б", "в"}, {"ID", "Име ^"}, 2},
                            {{"в", "б", "а"}, {"ID", "Име v"}, 2},
                            {{"в", "б", "а"}, {"ID", "Име"}, 0},  // IDs 10, 2, 9 as text
                            {{"а", "б", "в"}, {"ID", "Име ^"}, 2}};
    for (const Click& c : clicks) {
        const auto r = listkit::sortList(s, shown, {}, 2);
        shown = reordered(shown, r.order);
        EXPECT_EQ(column(shown, {0, 1, 2}, 1), c.names);
        EXPECT_EQ(r.captions, c.captions);
        EXPECT_EQ(s.NSORTCOL, c.sortColumn);
    }
}

TEST(SortList, EachColumnGoesOnFromItsOwnState) {
    const auto rows = table({{"1", "б", "y"}, {"2", "а", "x"}});
    ListState s = loaded({"ID", "A", "B"}, 2);
    ui::TextTable shown = rows;
    for (int c : {2, 3}) shown = reordered(shown, listkit::sortList(s, shown, {}, c).order);
    const auto again = listkit::sortList(s, shown, {}, 2);
    EXPECT_EQ(s.ACOLORDER[2], 2);
    EXPECT_EQ(s.ACOLORDER[3], 1);
    EXPECT_EQ(again.captions, (std::vector<std::string>{"ID", "A v", "B"}));  // B loses its sign
}

TEST(SortList, TheCurrentRowStaysSelectedAtItsNewPlace) {
    const auto rows = table({{"1", "в"}, {"2", "а"}, {"3", "б"}, {"4", "г"}});
    struct Case {
        std::vector<int> selection;
        int line;  // after sorting column 2 ascending: а, б, в, г
    };
    // Of several selected lines only the first counts; with none, line 1.
    for (const Case& c : {Case{{1, 3, 4}, 3}, Case{{}, 3}, Case{{2}, 1}, Case{{3, 4}, 2}}) {
        ListState s = loaded({"ID", "Име"}, 4);
        const auto r = listkit::sortList(s, rows, c.selection, 2);
        EXPECT_EQ(r.line, c.line) << "first selected " << (c.selection.empty() ? 0 : c.selection[0]);
    }
}

TEST(SortList, IdentitiesMoveWithTheirRows) {
    const auto rows = table({{"1", "в"}, {"2", "а"}, {"3", "б"}});
    ListState s = loaded({"ID", "Име"}, 3);
    listkit::sortList(s, rows, {}, 2);
    EXPECT_EQ(s.identity, (std::vector<std::uint32_t>{2, 3, 1}));
}

TEST(SortList, AnEmptyListStillCyclesAndSelectsNothing) {
    ListState s = loaded({"ID", "Име"}, 0);
    const auto r = listkit::sortList(s, ui::TextTable(2), {}, 2);
    EXPECT_TRUE(r.order.empty());
    EXPECT_EQ(r.line, 0);
    EXPECT_EQ(s.NSORTCOL, 2);
    EXPECT_EQ(r.captions, (std::vector<std::string>{"ID", "Име ^"}));
}

}  // namespace
