#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/text/text_table.h"
#include "platform/text/utf8.h"
#include "platform/ui/quote.h"

namespace {

TEST(TextTable, CellsRowsAndEdits) {
    ui::TextTable t(3);
    t.appendRow(std::vector<std::string>{"1", "Ана", ""});
    t.appendRow(std::vector<std::string>{"2", "x"});  // a missing cell is empty
    t.appendRow(std::vector<std::string>{"3", "a", "b", "dropped"});
    ASSERT_EQ(t.rows(), 3u);
    EXPECT_EQ(t.cell(0, 1), "Ана");
    EXPECT_EQ(t.cell(1, 2), "");
    EXPECT_EQ(t.row(2), (std::vector<std::string>{"3", "a", "b"}));
    t.setCell(0, 1, "Марија");
    EXPECT_EQ(t.row(0), (std::vector<std::string>{"1", "Марија", ""}));
    t.setCell(0, 0, "");
    EXPECT_EQ(t.row(0), (std::vector<std::string>{"", "Марија", ""}));
    t.reorder({2, 0, 1});
    EXPECT_EQ(t.cell(0, 0), "3");
    EXPECT_EQ(t.cell(1, 1), "Марија");
    t.removeRow(0);
    EXPECT_EQ(t.rows(), 2u);
    EXPECT_EQ(t.cell(0, 1), "Марија");
    EXPECT_EQ(t.cell(5, 5), "");
}

// Thousands of rows: edits, removals and reorders across the rows' blocks.
TEST(TextTable, ManyRowsKeepTheirCellsThroughRemovalsAndReorders) {
    ui::TextTable t(2);
    const auto name = [](std::size_t i) { return "ред " + std::to_string(i); };
    for (std::size_t i = 0; i < 2049; ++i) t.appendRow({std::to_string(i), name(i)});
    t.removeRow(2048);  // the last block empties
    t.removeRow(0);     // every later row moves up across blocks
    t.removeRow(1023);
    t.appendRow({"x", "нов"});
    ASSERT_EQ(t.rows(), 2047u);
    const auto expected = [&](std::size_t line) -> std::pair<std::string, std::string> {
        if (line == 2046) return {"x", "нов"};
        const std::size_t i = line < 1023 ? line + 1 : line + 2;
        return {std::to_string(i), name(i)};
    };
    for (std::size_t line = 0; line < t.rows(); ++line) {
        ASSERT_EQ(t.cell(line, 0), expected(line).first) << line;
        ASSERT_EQ(t.cell(line, 1), expected(line).second) << line;
    }
    std::vector<std::size_t> reversed(t.rows());
    for (std::size_t i = 0; i < reversed.size(); ++i) reversed[i] = reversed.size() - 1 - i;
    t.reorder(reversed);
    t.setCell(1500, 1, "измена");
    EXPECT_EQ(t.cell(0, 1), "нов");
    EXPECT_EQ(t.cell(2046, 0), "1");
    EXPECT_EQ(t.row(1500), (std::vector<std::string>{expected(546).first, "измена"}));
    EXPECT_EQ(t.row(1501), (std::vector<std::string>{expected(545).first, expected(545).second}));
}

// Edits that grow, shrink or keep a cell's length, on rows laid out in every
// way the table lays them: in load order, reordered, after removals, and with
// enough edits that the table writes its rows afresh. A plain vector of rows
// follows every step; the two must agree at every step.
TEST(TextTable, EditsAgreeWithAPlainCopyThroughReordersAndCompaction) {
    ui::TextTable t(3);
    std::vector<std::vector<std::string>> plain;
    for (std::size_t i = 0; i < 3000; ++i) {
        plain.push_back({std::to_string(i), "име " + std::to_string(i), i % 3 ? "x" : ""});
        t.appendRow(plain.back());
    }
    const auto agree = [&](const char* step) {
        ASSERT_EQ(t.rows(), plain.size()) << step;
        for (std::size_t r = 0; r < plain.size(); ++r) ASSERT_EQ(t.row(r), plain[r]) << step << " row " << r;
    };
    const std::string longText(300, 'L');
    for (std::size_t pass = 0; pass < 3; ++pass) {
        for (std::size_t r = pass; r < plain.size(); r += 3) {
            const std::string value = r % 2 ? longText + std::to_string(r) : std::to_string(r % 7);
            t.setCell(r, 1, value);
            plain[r][1] = value;
        }
        agree("edits");
        std::vector<std::size_t> order(plain.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = (i * 7 + pass) % order.size();
        t.reorder(order);
        std::vector<std::vector<std::string>> moved;
        for (std::size_t r : order) moved.push_back(plain[r]);
        plain = moved;
        agree("reorder");
        if (pass == 1) {
            t.layInRowOrder();
            agree("laid in row order");
        }
        for (std::size_t r = pass; r < plain.size(); r += 5) {
            t.removeRow(r);
            plain.erase(plain.begin() + static_cast<std::ptrdiff_t>(r));
        }
        agree("removals");
    }
    for (std::size_t k = 0; k < 1000; ++k) {  // one row grown again and again: far more garbage than rows
        t.setCell(k % 2, 2, std::string(k * 4, 'g'));
        plain[k % 2][2] = std::string(k * 4, 'g');
    }
    agree("growth");
    EXPECT_EQ(t.textBytes(), [&] {
        std::size_t n = 0;
        for (const auto& row : plain) for (const auto& cell : row) n += cell.size();
        return n;
    }());
}

// Reversed, then laid in row order: tables of fewer rows than the parts the
// table lays its rows through, of a few more, and one whose rows are all gone.
TEST(TextTable, AReversedTableOfAnySizeIsLaidInRowOrderWhole) {
    for (std::size_t count : {0, 1, 2, 7, 9, 17, 2000}) {
        ui::TextTable t(2);
        for (std::size_t i = 0; i < count; ++i) t.appendRow({std::to_string(i), std::string(i % 50, 'x')});
        std::vector<std::size_t> reversed(count);
        for (std::size_t i = 0; i < count; ++i) reversed[i] = count - 1 - i;
        t.reorder(reversed);
        t.layInRowOrder();
        ASSERT_EQ(t.rows(), count);
        for (std::size_t r = 0; r < count; ++r)
            ASSERT_EQ(t.row(r), (std::vector<std::string>{std::to_string(count - 1 - r), std::string((count - 1 - r) % 50, 'x')}))
                << count << " rows, row " << r;
        t.reorder(reversed);
        while (!t.empty()) t.removeRow(0);
        t.layInRowOrder();
        EXPECT_EQ(t.textBytes(), 0u);
    }
}

// Every change of the texts or their order gives the table a new version;
// laying the records in row order does not, and no copy shares one.
TEST(TextTable, EveryChangeOfTheRowsAndNoOtherGivesANewVersion) {
    ui::TextTable t(2);
    t.appendRow({"1", "а"});
    t.appendRow({"2", "б"});
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"append", [&] { t.appendRow({"3", "в"}); }},
        {"set a cell", [&] { t.setCell(0, 1, "г"); }},
        {"reorder", [&] { t.reorder({2, 1, 0}); }},
        {"remove a row", [&] { t.removeRow(1); }},
        {"reshape", [&] { t.reshapeRows([](std::size_t, std::string_view cell, std::string& out) { out += cell; }); }},
        {"assign a copy", [&] { t = ui::TextTable(t); }},
        {"clear", [&] { t.clear(); }},
    };
    for (const auto& [what, change] : changes) {
        const std::uint64_t before = t.version();
        change();
        EXPECT_NE(t.version(), before) << what;
    }
    t.appendRow({"1", "а"});
    t.appendRow({"2", "б"});
    t.reorder({1, 0});
    const std::uint64_t sorted = t.version();
    t.layInRowOrder();
    EXPECT_EQ(t.version(), sorted);
    EXPECT_NE(ui::TextTable(t).version(), sorted);
}

TEST(TextTable, ACellSetFromTheTableItselfIsCopiedBeforeItsPlaceChanges) {
    ui::TextTable t(3);
    t.appendRow({"abc", "12345678", "z"});
    t.appendRow({"q", "", "w"});
    t.setCell(0, 0, t.cell(0, 1));                       // grows, pushing its source along
    t.setCell(0, 2, t.cell(0, 0).substr(2));             // grows beyond the row's room: a new place
    t.setCell(1, 1, t.cell(0, 1));                       // from another row
    t.setCell(0, 1, t.cell(0, 1).substr(0, 2));          // shrinks in place
    EXPECT_EQ(t.row(0), (std::vector<std::string>{"12345678", "12", "345678"}));
    EXPECT_EQ(t.row(1), (std::vector<std::string>{"q", "12345678", "w"}));
}

TEST(TextTable, ReorderMayRepeatOrDropRows) {
    ui::TextTable t(2);
    t.appendRow({"1", "a"});
    t.appendRow({"2", "b"});
    t.reorder({1, 1, 0, 1});
    t.setCell(0, 1, "changed");  // a repeated row is a row of its own
    EXPECT_EQ(t.row(0), (std::vector<std::string>{"2", "changed"}));
    EXPECT_EQ(t.row(1), (std::vector<std::string>{"2", "b"}));
    EXPECT_EQ(t.row(3), (std::vector<std::string>{"2", "b"}));
    t.reorder({2});
    EXPECT_EQ(t.rows(), 1u);
    EXPECT_EQ(t.row(0), (std::vector<std::string>{"1", "a"}));
    EXPECT_THROW(t.reorder({1}), std::out_of_range);
}

// Reshaping gives back the blocks it has read; rows far beyond one block, rows
// reordered first, and a copy made before must all come out whole.
TEST(TextTable, ReshapeOverManyBlocksKeepsEveryRowAndItsCopy) {
    ui::TextTable t(2);
    for (std::size_t i = 0; i < 50000; ++i) t.appendRow({std::to_string(i), std::string(i % 40, 'a')});
    std::vector<std::size_t> reversed(t.rows());
    for (std::size_t i = 0; i < reversed.size(); ++i) reversed[i] = reversed.size() - 1 - i;
    t.reorder(reversed);
    t.setCell(10, 0, std::string(5000, 'w'));  // a row out of its place
    const ui::TextTable before = t;
    t.reshapeRows([](std::size_t c, std::string_view cell, std::string& out) {
        out += c == 0 ? std::string(cell) + "." : std::string(cell.size() / 2, 'b');
    });
    ASSERT_EQ(t.rows(), before.rows());
    for (std::size_t r = 0; r < t.rows(); ++r) {
        ASSERT_EQ(t.cell(r, 0), std::string(before.cell(r, 0)) + ".") << r;
        ASSERT_EQ(t.cell(r, 1), std::string(before.cell(r, 1).size() / 2, 'b')) << r;
    }
    EXPECT_EQ(before.cell(0, 0), "49999");
}

TEST(Utf8, CutNeverSplitsACharacter) {
    EXPECT_EQ(utf8::cutBytes("абв", 3), "а");  // 'б' would need bytes 3 and 4
    EXPECT_EQ(utf8::cutBytes("абв", 4), "аб");
    EXPECT_EQ(utf8::cutBytes("ab", 5), "ab");
    EXPECT_EQ(utf8::length("Ѓорѓи"), 5u);
    EXPECT_EQ(utf8::upper("ѓорѓи šx"), "ЃОРЃИ šX");
}

TEST(TextTable, RowsReshapedInPlaceGrowAndShrinkCellByCell) {
    ui::TextTable t(3);
    t.appendRow({"1", "20261201", "x"});
    t.appendRow({"22", "", ""});
    t.reshapeRows([](std::size_t c, std::string_view cell, std::string& out) {
        if (c == 1) out += cell.empty() ? std::string("  .  .    ") : std::string(cell.substr(6)) + "." + std::string(cell.substr(4, 2));
        else if (c == 2) out += cell.empty() ? "" : "long " + std::string(cell);
        // column 0 drops its text
    });
    EXPECT_EQ(t.row(0), (std::vector<std::string>{"", "01.12", "long x"}));
    EXPECT_EQ(t.row(1), (std::vector<std::string>{"", "  .  .    ", ""}));
    EXPECT_EQ(t.rowText(0), "01.12long x");
}

TEST(Utf8, UpperCaseFoldsLatinAndCyrillicAndKeepsEveryByteLength) {
    const std::pair<const char*, const char*> cases[] = {
        {"abc xyz", "ABC XYZ"},
        {"абвгдѓежзѕијклљмнњопрстќуфхцчџш", "АБВГДЃЕЖЗЅИЈКЛЉМНЊОПРСТЌУФХЦЧЏШ"},
        {"ѐёђѓєѕіїјљњћќѝўџ", "ЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏ"},  // U+0450..U+045F
        {"АБВ ЃЏ 09 @[`{", "АБВ ЃЏ 09 @[`{"},   // upper case, digits and signs stay
        {"šüé ѣ € 😀", "šüé ѣ € 😀"},          // other letters stay
        {"", ""},
        {"\xD0", "\xD0"},  // a cut character stays as it is
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(utf8::upper(text), expected) << text;
        EXPECT_TRUE(utf8::upperEquals(text, expected)) << text;
        std::string appended = "x";
        utf8::appendUpper(appended, text);
        EXPECT_EQ(appended, std::string("x") + expected);
    }
}

TEST(Utf8, OneLineMakesEveryLineBreakAndTabOneBlank) {
    const std::pair<const char*, const char*> cases[] = {
        {"NL1\nNL2", "NL1 NL2"}, {"прв\r\nвтор", "прв втор"}, {"a\rb", "a b"}, {"a\tb", "a b"},
        {"a\n\nb", "a  b"},     {"a\n\rb", "a  b"},            {"\r\n", " "},  {"без прекин", "без прекин"},
    };
    for (const auto& [text, line] : cases) EXPECT_EQ(utf8::oneLine(text), line) << text;
}

// Every letter that upper-casing changes, Macedonian (Ѓ Ѕ Ј Љ Њ Ќ Џ among
// them) and the rest of Ѐ..Я, and Latin: its capital gives back its small
// letter; digits, signs and other letters stay.
TEST(Utf8, SmallLettersOfEveryCapitalThatUpperMakes) {
    const char* const small = "абвгдѓежзѕијклљмнњопрстќуфхцчџшѐёђєіїћѝўъыьэюяabcxyz";
    const char* const capital = "АБВГДЃЕЖЗЅИЈКЛЉМНЊОПРСТЌУФХЦЧЏШЀЁЂЄІЇЋЍЎЪЫЬЭЮЯABCXYZ";
    EXPECT_EQ(utf8::upper(small), capital);
    EXPECT_EQ(utf8::smallLetters(capital), small);
    EXPECT_EQ(utf8::smallLetters("09 -.ÄŠ€ѠѢ"), "09 -.ÄŠ€ѠѢ");
    EXPECT_EQ(utf8::smallLetters("\xD0"), "\xD0");  // a cut character stays
}

TEST(Utf8, UpperEqualsOnlyTheWholeUpperCase) {
    // Beyond the 256 bytes it compares at a time, and with a letter across that boundary.
    std::string longText(255, 'a');
    longText += "жx";
    const std::string longUpper = std::string(255, 'A') + "ЖX";
    const std::tuple<std::string, std::string, bool> cases[] = {
        {"петар", "ПЕТАР", true},   {"петар", "Петар", false}, {"петар", "ПЕТА", false},
        {"ПЕТАР", "ПЕТАР", true},   {"pe", "ПЕ", false},       {longText, longUpper, true},
        {longText, std::string(255, 'A') + "ЗX", false},
    };
    for (const auto& [text, upper, equal] : cases) EXPECT_EQ(utf8::upperEquals(text, upper), equal) << text;
}

TEST(Utf8, ValidTellsWellFormedTextFromOtherBytes) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"plain ascii", true},
        {"Ѓорѓи €𝄞", true},
        {"\xD0", false},                  // cut before its second byte
        {"\xC3\xA9\x80", false},          // a stray continuation byte
        {"\xC0\xAF", false},              // overlong "/"
        {"\xE0\x80\xAF", false},          // overlong, three bytes
        {"\xED\xA0\x80", false},          // a surrogate
        {"\xF4\x90\x80\x80", false},      // beyond U+10FFFF
        {"\xCF\xEB\xE0\xF2\xE0", false},  // "Плата" in Windows-1251
    };
    for (const auto& [text, valid] : cases) EXPECT_EQ(utf8::valid(text), valid) << text;
}

TEST(Utf8, DecodeTellsWellFormedCharactersFromBadBytes) {
    struct Case {
        std::string text;
        char32_t codePoint;
        std::size_t length;
    };
    const Case cases[] = {
        {"a", U'a', 1},
        {"Ж", U'Ж', 2},
        {"\xE2\x82\xAC", U'€', 3},
        {"\xF0\x9F\x98\x80", U'\U0001F600', 4},
        {"\xC8", 0, 0},                  // a windows-1251 letter: lead without continuation
        {"\x80", 0, 0},                  // a stray continuation byte
        {"\xE2\x82", 0, 0},              // cut at the end of the text
        {"\xC0\xAF", 0, 0},              // overlong "/"
        {"\xE0\x80\xAF", 0, 0},          // overlong "/" in three bytes
        {"\xED\xA0\x80", 0, 0},          // a surrogate
        {"\xF4\x90\x80\x80", 0, 0},      // beyond U+10FFFF
        {"\xFF", 0, 0},
    };
    for (const Case& c : cases) {
        const auto d = utf8::decode(c.text, 0);
        EXPECT_EQ(d.length, c.length) << c.text;
        if (c.length) {
            EXPECT_EQ(d.codePoint, c.codePoint) << c.text;
        }
    }
    EXPECT_EQ(utf8::decode("aЖ", 1).length, 2u);
}

TEST(Quote, EscapesRoundTrip) {
    const std::string text = "a \"b\" \\ \t\r\n end";
    EXPECT_EQ(ui::quote(text), "\"a \\\"b\\\" \\\\ \\t\\r\\n end\"");
    // `rest` points into the line read, so the line outlives it.
    const std::string line = ui::quote(text) + " tail";
    std::string_view rest;
    EXPECT_EQ(ui::unquote(line, &rest).value(), text);
    EXPECT_EQ(rest, " tail");
    EXPECT_FALSE(ui::unquote("\"open").has_value());
}

TEST(Quote, EveryControlCharacterIsEscapedAndReadBack) {
    std::string every;
    for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
    const std::string quoted = ui::quote(every);
    for (char c : quoted) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 0x20 && byte != 0x7F) << int(byte);
    }
    EXPECT_EQ(ui::unquote(quoted).value(), every);
    EXPECT_EQ(ui::quote(std::string("a\0\x01\x1f\x7f", 5)), "\"a\\x00\\x01\\x1F\\x7F\"");
    for (const char* bad : {"\"\\x\"", "\"\\x4\"", "\"\\xg0\"", "\"\\q\""}) EXPECT_FALSE(ui::unquote(bad)) << bad;
}

TEST(Quote, GridCellsEscapeControlsButNotQuotes) {
    EXPECT_EQ(ui::escapeCell("a\tb\r\nc\\d\"e\x02"), "a\\tb\\r\\nc\\\\d\"e\\x02");
    EXPECT_EQ(ui::escapeCell("Ана"), "Ана");
}

}  // namespace
