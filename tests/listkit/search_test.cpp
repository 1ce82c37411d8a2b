// The search strip's search and moves, on the rows alone.
#include "listkit/search.h"

#include <gtest/gtest.h>

#include "platform/text/utf8.h"

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

// Every Macedonian letter, the other letters that fold and Latin ones, typed
// in either case, found in a cell that holds it in the other case, at its
// start and within; digits and signs as they are.
TEST(Search, EveryLetterInEitherCaseAtTheStartAndWithin) {
    const auto small = utf8::chars("абвгдѓежзѕијклљмнњопрстќуфхцчџшѐёђєіїћѝўъыьэюяabcmnxyz");
    const auto capital = utf8::chars("АБВГДЃЕЖЗЅИЈКЛЉМНЊОПРСТЌУФХЦЧЏШЀЁЂЄІЇЋЍЎЪЫЬЭЮЯABCMNXYZ");
    ASSERT_EQ(small.size(), capital.size());
    for (std::size_t i = 0; i < small.size(); ++i)
        for (const auto& [typedForm, heldForm] : {std::pair{small[i], capital[i]}, std::pair{capital[i], small[i]}}) {
            const std::string typed(typedForm), held(heldForm);
            ui::TextTable rows(1);
            rows.appendRow({"1 " + held + "2"});
            rows.appendRow({held + "2 x"});
            EXPECT_EQ(listkit::findLine(rows, 1, typed + "2"), 2) << typed;  // begins with it
            EXPECT_EQ(listkit::findLine(rows, 1, " " + typed), 1) << typed;  // contains it
        }
}

// Bytes that a letter's two forms share place by place, but that make another
// letter: Р is D0 A0 and р D1 80, so D0 80 (Ѐ) and D1 A0 (Ѡ) hold neither.
TEST(Search, BytesOfTwoFormsMixedAreNoLetter) {
    ui::TextTable rows(1);
    for (const char* cell : {"xЀ", "Ѡx", "ѐ", "ѡ", "ЯР"}) rows.appendRow({cell});
    EXPECT_EQ(listkit::findLine(rows, 1, "р"), 5);
    EXPECT_EQ(listkit::findLine(rows, 1, "xр"), 0);
    EXPECT_EQ(listkit::findLine(rows, 1, "Ѐ"), 3);  // ѐ begins with it
    EXPECT_EQ(listkit::findLine(rows, 1, "xѐ"), 1);
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
