// The search strip's search and moves, on the rows alone.
#include "listkit/search.h"

#include <gtest/gtest.h>

namespace {

using listkit::Move;

ui::TextTable names() {
    ui::TextTable t(2);
    for (const char* name : {"Спектар", "Ана Петровска", "Петров", "ПЕТРОВСКИ", "Zoran Ilievski"})
        t.appendRow({"1", name});
    return t;
}

TEST(Search, BeginningFirstThenAnywhere) {
    const auto rows = names();
    struct Case {
        const char* text;
        int line;
    } cases[] = {
        {"пе", 3},       // Петров begins so, although Спектар contains it earlier
        {"ПЕТРОВС", 4},  // any letter case
        {"ект", 1},      // no name begins so: the first that contains it
        {"петровска", 2},
        {"ilie", 5},         // Latin letters fold too
        {"Петровски Х", 0},  // longer than every name beginning so, contained nowhere
        {"ксл", 0},
        {" петров", 2},  // blanks are part of the text
        {"", 0},
        {"   ", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(listkit::findLine(rows, 2, c.text), c.line) << c.text;
}

TEST(Search, ContainedWhateverCaseTheTextsLastLetterHasInTheCell) {
    ui::TextTable rows(2);
    for (const char* name : {"x ѓорѓи", "x љубица", "x ана", "x ZORAN", "x 12 34"}) rows.appendRow({"1", name});
    const std::pair<const char*, int> cases[] = {
        {"орѓ", 1},   // ends in ѓ (U+0453), small in the cell
        {"ЉУБ", 2},   // ends in б (U+0431)
        {"АНА", 3},   // ends in а (U+0430)
        {"ица", 2},   // ends in а, after р..я letters
        {"oran", 4},  // Latin, capital in the cell
        {"2 3", 5},   // a digit has no other case
        {"ѓорѓиx", 0},
    };
    for (const auto& [text, line] : cases) EXPECT_EQ(listkit::findLine(rows, 2, text), line) << text;
}

TEST(Search, ColumnOutsideTheRowsFindsNothing) {
    EXPECT_EQ(listkit::findLine(names(), 0, "пе"), 0);
    EXPECT_EQ(listkit::findLine(names(), 3, "пе"), 0);
    EXPECT_EQ(listkit::findLine(ui::TextTable(2), 2, "пе"), 0);
}

TEST(Moves, OnSingleMultipleAndEmptySelections) {
    struct Case {
        Move move;
        int lines;
        std::vector<int> selection;
        int line;  // 0: the selection stays
    } cases[] = {
        {Move::First, 5, {3}, 1},    {Move::Last, 5, {3}, 5},        {Move::First, 5, {2, 4}, 1},
        {Move::Last, 5, {2, 4}, 5},  {Move::First, 5, {}, 1},        {Move::Next, 5, {3}, 4},
        {Move::Previous, 5, {3}, 2}, {Move::Next, 5, {5}, 0},        {Move::Previous, 5, {1}, 0},
        {Move::Next, 5, {2, 4}, 0},  {Move::Previous, 5, {2, 4}, 0}, {Move::Next, 5, {}, 0},
        {Move::First, 0, {}, 0},     {Move::Last, 0, {}, 0},         {Move::Next, 0, {}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listkit::moveTo(c.move, c.lines, c.selection), c.line)
            << static_cast<int>(c.move) << " of " << c.lines << " lines";
}

}  // namespace
