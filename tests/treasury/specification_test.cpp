// The order specification as a print document, checked without a printer:
// entries, positions, fonts, pagination and totals.
#include "treasury/specification.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/print/preview.h"
#include "platform/print/printers.h"
#include "platform/text/utf8.h"
#include "shell/transliteration.h"
#include "treasury/amounts.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"
#include "treasury_fixture.h"

using treasury::RowValue;

namespace {

using treasury::Mode;

// Line height and character unit of the printout, in mm.
constexpr double L = 3.0096354166666667;
constexpr double unit = 2.0310078125;
double col(double c) { return 10 + c * unit; }
constexpr double firstEntryRow = 20 + 14.5 * L;  // 63.64 mm

const print::Text* find(const print::Page& page, std::string_view prefix) {
    for (const print::Text& t : page.texts)
        if (page.textOf(t).starts_with(prefix)) return &t;
    return nullptr;
}

// The texts of one row of a page, by column.
std::vector<std::pair<double, std::string>> rowTexts(const print::Page& page, double row) {
    std::vector<std::pair<double, std::string>> out;
    for (const print::Text& t : page.texts)
        if (std::fabs(t.row - row) < 1e-9) out.emplace_back(t.col, page.textOf(t));
    std::sort(out.begin(), out.end());
    return out;
}

void expectRow(const print::Page& page, double row, const std::vector<std::pair<double, std::string>>& expected) {
    const auto actual = rowTexts(page, row);
    ASSERT_EQ(actual.size(), expected.size()) << "row " << row;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i].first, col(expected[i].first), 1e-9) << expected[i].second;
        EXPECT_EQ(actual[i].second, expected[i].second);
    }
}

// Every text fits where the width does not matter.
double noWidth(std::string_view, const print::Font&) { return 0; }

// The document's pages, all made now in order, to be looked over at leisure.
print::Document held(const print::Document& made) {
    print::Document doc;
    doc.setup = made.setup;
    for (std::size_t i = 0; i < made.pageCount(); ++i) doc.pages.push_back(made.page(i));
    return doc;
}

print::Document document(Mode mode, const treasury::TreasuryFileInput& input, const std::string& fileName) {
    return held(treasury::specificationDocument(mode, input, fileName, noWidth));
}

treasury::TreasuryOrderRow salaryRow(const std::string& account, std::int64_t cents, const std::string& purpose) {
    treasury::TreasuryOrderRow r = treasury_fixture::latinRow();
    r.set(RowValue::recipientAccount, account);
    r.amount = cents;
    r.set(RowValue::purpose, purpose);
    r.set(RowValue::closing, "PLATA");
    return r;
}

// n rows of 1.00 each, each its own entry in both modes.
treasury::TreasuryFileInput withRows(const char* kind, std::size_t n) {
    treasury::TreasuryFileInput input = treasury_fixture::batch(kind);
    input.AGFAJL.clear();
    for (std::size_t i = 0; i < n; ++i)
        input.AGFAJL.push_back(salaryRow("300000000000" + std::to_string(100 + i), 100, "x" + std::to_string(i)));
    return input;
}

TEST(SpecificationEntries, ModeNOneEntryPerRowBackInCyrillic) {
    auto first = treasury_fixture::latinRow();
    first.set(RowValue::purpose, shell::KONVLAT("Жичарница Шар"));
    first.set(RowValue::recipientName, shell::KONVLAT("Ѓорѓи Ќосе"));
    const auto entries = treasury::specificationEntries(Mode::N, {first, first, treasury_fixture::cyrillicRow()});
    ASSERT_EQ(entries.size(), 3u);
    // The letters the transliteration folded come back plain.
    EXPECT_EQ(entries[0].purpose, "Зицарница Сар");
    EXPECT_EQ(entries[0].recipientName, "Горги Косе");
    EXPECT_EQ(entries[0].reference, "2024  117               ");
    EXPECT_EQ(entries[0].bank, "300");
    EXPECT_EQ(entries[0].count, 1);
    EXPECT_EQ(entries[2].amount, 7);
    EXPECT_EQ(entries[2].recipientSubAccount, "123456789012345");
}

TEST(SpecificationEntries, ModePGathersRowsOfOneBankAccountsAndPurpose) {
    std::vector<treasury::TreasuryOrderRow> rows;
    for (int i = 0; i < 10; ++i)
        rows.push_back(salaryRow("30000000000010" + std::to_string(i), 1000 + i, "Plata 02.2024"));
    rows.insert(rows.begin() + 3, salaryRow("210000000000001", 500, "Plata 02.2024"));  // another bank
    rows.push_back(salaryRow("300000000000200", 70, "Trajkovski Petre"));  // deductions: per employee
    rows.push_back(salaryRow("300000000000201", 80, "Petrova Ana"));
    const auto entries = treasury::specificationEntries(Mode::P, rows);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].count, 10);
    EXPECT_EQ(entries[0].amount, 10045);
    EXPECT_EQ(entries[0].recipientAccount, "300000000000100   ");  // the first row's values stay
    EXPECT_EQ(entries[1].bank, "210");  // entries stand in the order of their first rows
    EXPECT_EQ(entries[1].count, 1);
    EXPECT_EQ(entries[2].amount, 70);
    EXPECT_EQ(entries[3].amount, 80);
    EXPECT_EQ(entries[0].recipientName, "");  // not printed in mode P
}

TEST(SpecificationDocument, PageHeadAndTheFirstEntryOfModeN) {
    const treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
    const print::Document doc = document(Mode::N, input, "/data/TREZOR/N0503241.ABC");
    EXPECT_EQ(doc.setup.orientation, print::Orientation::Landscape);
    EXPECT_EQ(doc.setup.printer, "");  // the default printer
    ASSERT_EQ(doc.pages.size(), 1u);
    const print::Page& page = doc.pages[0];

    expectRow(page, 20, {{0, "ООУ Браќа Миладиновци"}, {80, "Фајл: /data/TREZOR/N0503241.ABC          1/1"}});
    expectRow(page, 20 + 2 * L, {{0, "Струга"}, {80, "Трезор"}});
    expectRow(page, 20 + 7 * L, {{0, "Преглед за датум: 06.03/05.03.2024"}, {60, "788014101263814"}});
    const print::Text* title = find(page, "СПЕЦИФИКАЦИЈА НА НАЛОЗИ");
    ASSERT_TRUE(title);
    EXPECT_DOUBLE_EQ(title->row, 20 + 4 * L);
    EXPECT_DOUBLE_EQ(title->col, 105);
    EXPECT_EQ(title->align, print::Align::Centre);
    EXPECT_EQ(page.fontOf(*title).family, "Verdana");
    EXPECT_EQ(page.fontOf(*title).size, 15);
    EXPECT_TRUE(page.fontOf(*title).bold);
    expectRow(page, 20 + 12 * L,
              {{0, "Рб"}, {15, "Цел/Примач"}, {49, "Износ"}, {50, "Сметка"}, {65, "Потсметка"},
               {85, "конто"}, {95, "Прг"}, {100, "број"}, {114, "Начин"}, {120, "Даночен бр."}});
    ASSERT_FALSE(page.lines.empty());
    EXPECT_DOUBLE_EQ(page.lines[0].row1, 20 + 13.5 * L);
    EXPECT_DOUBLE_EQ(page.lines[0].col1, 10);
    EXPECT_DOUBLE_EQ(page.lines[0].col2, 277);
    EXPECT_DOUBLE_EQ(page.lines[0].pen, 0.01);

    expectRow(page, firstEntryRow,
              {{8, "Канцелариск"},  // 22 bytes of Cyrillic text
               {30, std::string(15, ' ')}, {50, "100000000063095"}, {65, "788014101263814"}, {85, "423110"},
               {95, "11"}, {100, "2024  117    "}, {114, "60"}});
    expectRow(page, firstEntryRow + L,
              {{0, " 1."}, {8, "Книзница Григор П"}, {49, "1235"}, {50, "300000000211222"},
               {65, std::string(15, ' ')}, {85, "      "}, {95, "11"}, {114, "2"}, {120, "4030990123456"}});
    // Entry texts in Verdana 8, the amount in Arial 10.
    EXPECT_EQ(page.fontOf(*find(page, "Канцелариск")).family, "Verdana");
    EXPECT_EQ(page.fontOf(*find(page, "Канцелариск")).size, 8);
    // Amounts and their heading stand right-aligned at the column's right edge.
    for (const char* amount : {"1235", "Износ"}) EXPECT_EQ(find(page, amount)->align, print::Align::Right) << amount;
    EXPECT_EQ(page.fontOf(*find(page, "1235")).family, "Arial");
    EXPECT_EQ(page.fontOf(*find(page, "1235")).size, 10);
    // The second entry, cut inside no letter, after an empty line.
    expectRow(page, firstEntryRow + 3 * L,
              {{8, "ХНадоместок"}, {30, "123456789012345"}, {50, "100000000063095"}, {65, "788014101263814"},
               {85, "464990"}, {95, "11"}, {100, std::string(13, ' ')}, {114, "92"}});
}

TEST(SpecificationDocument, SavedAsPdfItsTextsReadBackAsShownCharactersBeyondTheSixteenBitRangeIncluded) {
    treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
    input.AGFAJL.at(0).set(RowValue::purpose, "Plata \U0001F600 \U0001D11E kraj");
    print::Document doc = document(Mode::N, input, "N0503241.ABC");
    doc.setup.printer = print::pdfPrinter;
    std::vector<std::string> wide;
    for (const print::Text& t : doc.pages.at(0).texts)
        if (doc.pages[0].textOf(t).find("\U0001F600") != std::string_view::npos) wide.emplace_back(doc.pages[0].textOf(t));
    ASSERT_FALSE(wide.empty());
    testing_support::TempFolder folder;
    const std::string path = folder.file("specifikacija.pdf");
    ASSERT_EQ(print::savePdf(doc, path), "");
    EXPECT_EQ(testing_support::pdfTextComplaints(path), "");
    const std::string text = testing_support::pdfText(path);
    for (const std::string& shown : wide) EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
}

TEST(SpecificationDocument, ModePEntryWithFolioAndBank) {
    treasury::TreasuryFileInput input = withRows("TRZ", 3);
    for (auto& r : input.AGFAJL) r.set(RowValue::purpose, "Plata za mesec 02.2024");  // salary rows carry the folio
    input.LODBITOCI = false;
    const print::Document doc = document(Mode::P, input, "N");
    const print::Page& page = doc.pages.at(0);
    ASSERT_EQ(treasury::specificationEntries(Mode::P, input.AGFAJL).size(), 1u);
    expectRow(page, firstEntryRow,
              {{4, "Plata za mesec 02.2024"}, {30, std::string(15, ' ')}, {50, "100000000063095"},
               {65, "788014101263814"}, {85, "423110"}, {95, "11"}, {108, "60"}});
    expectRow(page, firstEntryRow + L,
              {{0, " 1."}, {49, "3"}, {50, "300000000000100"}, {65, std::string(15, ' ')}, {85, "      "},
               {95, "11"}, {114, "2"}, {120, "4030990123456"}});
    expectRow(page, firstEntryRow + 2 * L, {{4, "Банка: 300"}, {20, "Збирен налог ставки: 3"}});
    // With deductions the folio is left out.
    input.LODBITOCI = true;
    EXPECT_EQ(rowTexts(document(Mode::P, input, "N").pages.at(0), firstEntryRow).size(), 6u);
}

TEST(SpecificationDocument, PagesAndTheFooterByEntryCount) {
    struct Case {
        Mode mode;
        std::size_t entries;
        std::size_t pages;
        double footerRow;  // of "Вкупен износ: " on the last page
    };
    // Mode P entries take 3 lines and an empty one; mode N 2 and an empty one.
    const Case cases[] = {
        {Mode::P, 9, 1, firstEntryRow + (9 * 4 - 1) * L + 3 * L},
        {Mode::P, 10, 2, 20 + 13.5 * L + 3 * L},  // page 2 holds the footer alone
        {Mode::P, 11, 2, firstEntryRow + 3 * L + 3 * L},
        {Mode::N, 14, 1, firstEntryRow + (14 * 3 - 1) * L + 3 * L},
        {Mode::N, 15, 2, 20 + 13.5 * L + 3 * L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.entries) + (c.mode == Mode::P ? " P" : " N"));
        treasury::TreasuryFileInput input = withRows("TRZ", c.entries);
        const print::Document doc = document(c.mode, input, "N0503241.ABC");
        ASSERT_EQ(doc.pages.size(), c.pages);
        for (std::size_t p = 0; p < doc.pages.size(); ++p) {
            const std::string head =
                "Фајл: N0503241.ABC          " + std::to_string(p + 1) + "/" + std::to_string(c.pages);
            ASSERT_TRUE(find(doc.pages[p], "Фајл: "));
            EXPECT_EQ(doc.pages[p].textOf(*find(doc.pages[p], "Фајл: ")), head);
            EXPECT_EQ(find(doc.pages[p], "Вкупен износ: ") != nullptr, p + 1 == c.pages);
        }
        const print::Page& last = doc.pages.back();
        const print::Text* total = find(last, "Вкупен износ: ");
        EXPECT_NEAR(total->row, c.footerRow, 1e-9);
        EXPECT_NEAR(total->col, col(20), 1e-9);
        EXPECT_TRUE(last.fontOf(*total).bold);
        // The total stands under the entries' amounts.
        expectRow(last, c.footerRow, {{20, "Вкупен износ: "}, {49, std::to_string(c.entries)}});
        for (const print::Text& t : last.texts) {
            if (t.row == total->row && last.textOf(t) != last.textOf(*total)) {
                EXPECT_EQ(t.align, print::Align::Right);
            }
        }
        const print::Text* seal = find(last, "Печат и потпис на овластено лице");
        EXPECT_NEAR(seal->row, c.footerRow + 1.5 * L, 1e-9);
        // The rule above the total and the signature line.
        const print::Line& signature = last.lines.back();
        EXPECT_NEAR(signature.row1, c.footerRow + 5.5 * L, 1e-9);
        EXPECT_NEAR(signature.col1, col(93), 1e-9);
        EXPECT_NEAR(signature.col2, col(125), 1e-9);
        EXPECT_NEAR(last.lines[last.lines.size() - 2].row1, c.footerRow - 1.5 * L, 1e-9);
    }
}

TEST(SpecificationDocument, EveryHeadShowsTheFirstEntrysSubAccount) {
    treasury::TreasuryFileInput input = withRows("TRZ", 20);
    for (std::size_t i = 1; i < input.AGFAJL.size(); ++i) input.AGFAJL[i].set(RowValue::debitSubAccount, "999999999999999");
    const print::Document doc = document(Mode::N, input, "N");
    ASSERT_EQ(doc.pages.size(), 2u);
    for (const print::Page& page : doc.pages)
        expectRow(page, 20 + 7 * L, {{0, "Преглед за датум: 06.03/05.03.2024"}, {60, "788014101263814"}});
}

TEST(SpecificationDocument, APageAskedForAgainOrOutOfTurnIsTheSame) {
    // The preview goes back and forth: every page is made alike whatever was made before it.
    for (const Mode mode : {Mode::N, Mode::P}) {
        const treasury::TreasuryFileInput input = withRows("TRZ", 47);
        const print::Document made = treasury::specificationDocument(mode, input, "N", noWidth);
        const print::Document inOrder = held(made);
        ASSERT_EQ(inOrder.pages.size(), mode == Mode::N ? 4u : 5u);
        for (const std::size_t k : {3u, 1u, 1u, 0u, 2u, 3u}) {
            if (k >= inOrder.pages.size()) continue;
            const print::Page& again = made.page(k);
            const print::Page& first = inOrder.pages[k];
            EXPECT_EQ(again.chars, first.chars) << k;
            ASSERT_EQ(again.texts.size(), first.texts.size()) << k;
            for (std::size_t t = 0; t < first.texts.size(); ++t) {
                EXPECT_EQ(again.texts[t].row, first.texts[t].row);
                EXPECT_EQ(again.texts[t].col, first.texts[t].col);
                EXPECT_EQ(again.textOf(again.texts[t]), first.textOf(first.texts[t]));
            }
            EXPECT_EQ(again.lines.size(), first.lines.size()) << k;
        }
    }
}

TEST(SpecificationDocument, EntryNumbersAndAnEmptyBatch) {
    const print::Document doc = document(Mode::N, withRows("TRZ", 100), "N");
    ASSERT_EQ(doc.pages.size(), 7u);
    EXPECT_EQ(rowTexts(doc.pages[0], firstEntryRow + 13 * L).at(0).second, " 5.");
    EXPECT_EQ(rowTexts(doc.pages[6], firstEntryRow + 25 * L).at(0).second, "99.");
    EXPECT_EQ(rowTexts(doc.pages[6], firstEntryRow + 28 * L).at(0).second, "100");  // the first three characters

    const print::Document empty = document(Mode::N, withRows("TRZ", 0), "N");
    ASSERT_EQ(empty.pages.size(), 1u);
    expectRow(empty.pages[0], 20 + 7 * L, {{0, "Преглед за датум: 06.03/05.03.2024"}, {60, ""}});
    const double footer = find(empty.pages[0], "Вкупен износ: ")->row;
    expectRow(empty.pages[0], footer, {{20, "Вкупен износ: "}, {49, "0"}});
}

TEST(SpecificationDocument, TheFileNameLosesItsFolderWhenThePageNumberWouldLeaveThePaper) {
    // 2.5 mm a character: from column 80 (172.5 mm) to the rules' end at 277 mm
    // the head holds 41 characters, the name with its page number 22.
    const auto width = [](std::string_view text, const print::Font&) { return 2.5 * utf8::length(text); };
    const std::pair<const char*, const char*> cases[] = {
        {"/d/N0503241.ABC", "Фајл: /d/N0503241.ABC          1/1"},
        {"/data/d/N0503241.ABC", "Фајл: /data/d/N0503241.ABC          1/1"},
        {"/data/TREZOR/N0503241.ABC", "Фајл: N0503241.ABC          1/1"},
        {"N0503241.ABC", "Фајл: N0503241.ABC          1/1"},
    };
    for (const auto& [name, head] : cases) {
        const auto doc = held(treasury::specificationDocument(Mode::N, withRows("TRZ", 1), name, width));
        EXPECT_EQ(doc.pages[0].textOf(*find(doc.pages[0], "Фајл: ")), head) << name;
    }
}

}  // namespace
