// The report's pages without a printer: positions in mm, page numbers,
// headers, merged header rows, cutting and wrapping, page breaks, totals.
#include "gridreport/page_output.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "report_fixture.h"

namespace {

using namespace gridreport;
using report_fixture::measure;
using report_fixture::table;

const print::Text* find(const print::Page& page, std::string_view text) {
    for (const print::Text& t : page.texts)
        if (page.textOf(t) == text) return &t;
    return nullptr;
}

// The rows of the horizontal rules across the table.
std::vector<double> ruleRows(const print::Page& page, double left, double right) {
    std::vector<double> rows;
    for (const print::Line& l : page.lines)
        if (l.row1 == l.row2 && l.col1 == left && l.col2 == right) rows.push_back(l.row1);
    return rows;
}

bool hasVertical(const print::Page& page, double col) {
    for (const print::Line& l : page.lines)
        if (l.col1 == col && l.col2 == col && l.row1 != l.row2) return true;
    return false;
}

// A report on a page of 200 x 100 mm, margins 20, centring off.
struct Report {
    ui::TextTable rows;
    ReportState s;
    Settings v;
    Report(ui::TextTable t, std::vector<std::string> captions, std::vector<int> justify = {},
           ReportRequest request = {})
        : rows(std::move(t)), s(report_fixture::report(rows, std::move(captions), std::move(justify), request)) {
        v.width = 200;
        v.height = 100;
        v.centre = false;
        v.printer = 1;
        s.MAXCOL2 = 160;
        PDFPRINTCOLTALLY(s, false);
    }
    print::Document pages(Target target = Target::Printer) { return reportPages(s, v, target, measure); }
};

TEST(GridReportPages, LineHeights) {
    const std::pair<double, double> cases[] = {{8, 3},  {9, 4},  {11, 4},  {12, 5},  {14, 5}, {16, 6},
                                               {18, 7}, {22, 8}, {24, 9}, {28, 10}, {36, 13}, {48, 17}, {72, 26}};
    for (const auto& [size, h] : cases) EXPECT_EQ(lineHeight(size), h) << size;
}

TEST(GridReportPages, WorkedRowsOnBothTargets) {
    Report r(table({{"1", "Ана"}, {"2", "Бојан"}}), {"ID", "Име"}, {1, 0});
    r.v.headers = {"Наслов", "", ""};
    for (const Target target : {Target::Printer, Target::Pdf}) {
        const print::Document doc = r.pages(target);
        ASSERT_EQ(doc.pages.size(), 1u);
        const print::Page& p = doc.pages[0];
        const print::Text* number = find(p, "Page No. :1");
        ASSERT_TRUE(number);
        EXPECT_EQ(number->row, 20);
        const print::Text* header = find(p, "Наслов");
        ASSERT_TRUE(header);
        EXPECT_EQ(header->row, 27.5);
        EXPECT_EQ(p.fontOf(*header).size, 14);
        EXPECT_EQ(header->align, print::Align::Centre);
        EXPECT_EQ(find(p, "ID")->row, 35);
        EXPECT_EQ(find(p, "Ана")->row, 40);
        EXPECT_EQ(find(p, "Бојан")->row, 45);
        // T = (2 + 2) + (5 + 2) = 11 from L = 20: borders at 19 and 30.
        const double shift = target == Target::Pdf ? -5 + 0.5 : 0;
        const std::vector<double> expected = {35 + shift, 40 + shift, 45 + shift, 50 + shift, 50 + shift};
        EXPECT_EQ(ruleRows(p, 19, 30), expected);
    }
}

// The whole worked page, every text and every line, on both targets: widths
// ID 2 and Име 5 mm, T = 11, L = 20, h = 5; the PDF target's rules lie
// h - 0.5 = 4.5 mm higher.
TEST(GridReportPages, WorkedPageEveryTextAndLine) {
    Report r(table({{"1", "Ана"}, {"2", "Бојан"}}), {"ID", "Име"}, {1, 0});
    r.v.headers = {"Наслов", "", ""};
    using A = print::Align;
    struct T {
        double row, col;
        std::string text;
        double size;
        A align;
    };
    const std::vector<T> texts = {{20, 15, "Page No. :1", 12, A::Left}, {27.5, 25, "Наслов", 14, A::Centre},
                                  {35, 22, "ID", 12, A::Right},         {35, 24, "Име", 12, A::Left},
                                  {40, 22, "1", 12, A::Right},          {40, 24, "Ана", 12, A::Left},
                                  {45, 22, "2", 12, A::Right},          {45, 24, "Бојан", 12, A::Left}};
    for (const Target target : {Target::Printer, Target::Pdf}) {
        const double R = target == Target::Pdf ? -4.5 : 0;
        const std::vector<std::array<double, 4>> lines = {
            {35 + R, 19, 35 + R, 30}, {40 + R, 19, 40 + R, 30}, {45 + R, 19, 45 + R, 30}, {50 + R, 19, 50 + R, 30},
            {50 + R, 19, 50 + R, 30}, {35 + R, 19, 50 + R, 19}, {35 + R, 23, 50 + R, 23}, {35 + R, 30, 50 + R, 30},
            {35 + R, 30, 50 + R, 30}};
        const print::Document doc = r.pages(target);
        ASSERT_EQ(doc.pages.size(), 1u);
        const print::Page& p = doc.pages[0];
        ASSERT_EQ(p.texts.size(), texts.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const print::Text& t = p.texts[i];
            EXPECT_EQ(t.row, texts[i].row) << texts[i].text;
            EXPECT_EQ(t.col, texts[i].col) << texts[i].text;
            EXPECT_EQ(p.textOf(t), texts[i].text);
            EXPECT_EQ(p.fontOf(t).size, texts[i].size) << texts[i].text;
            EXPECT_EQ(t.align, texts[i].align) << texts[i].text;
        }
        ASSERT_EQ(p.lines.size(), lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const print::Line& l = p.lines[i];
            EXPECT_EQ((std::array<double, 4>{l.row1, l.col1, l.row2, l.col2}), lines[i]) << "line " << i;
            EXPECT_EQ(l.pen, 0.25);
        }
    }
}

TEST(GridReportPages, PageNumberEndsFiveMillimetresShortOfTheTable) {
    Report r(table({{std::string(148, 'x')}}), {""});
    r.v.centre = true;
    r.v.width = 210;
    r.s.MAXCOL2 = 170;
    PDFPRINTCOLTALLY(r.s, false);  // T = 150, L = 30
    const print::Page p = r.pages().pages[0];
    const print::Text* number = find(p, "Page No. :1");
    EXPECT_EQ(number->col + measure(std::string(p.textOf(*number)), 12), 175);
    EXPECT_EQ(find(p, std::string(148, 'x'))->col, 30);
}

TEST(GridReportPages, NoPageNumberNoHeadersCaptionsAtTheTopMargin) {
    Report r(table({{"1"}}), {"ID"});
    r.v.pagination = PageNoOff;
    const print::Page p = r.pages().pages[0];
    EXPECT_EQ(find(p, "ID")->row, 20);
    EXPECT_EQ(ruleRows(p, 19, 23).front(), 20);
}

TEST(GridReportPages, JustificationAndCutCaptions) {
    Report r(table({{"12", "ab", "c"}}), {"Amount", "", "Caption"}, {1, 2, 0});
    r.s.COLUMNARR[0].width = 4;  // the caption is cut, the number fits
    r.s.COLUMNARR[2].width = 3;
    PDFPRINTCOLTALLY(r.s, false);
    const print::Page p = r.pages().pages[0];
    const print::Text* amount = find(p, "12");
    EXPECT_EQ(amount->align, print::Align::Right);
    EXPECT_EQ(amount->col, 20 + 4);
    EXPECT_EQ(find(p, "ab")->col, 20 + 6 + 1);
    EXPECT_EQ(find(p, "ab")->align, print::Align::Centre);
    EXPECT_TRUE(find(p, "Amou"));
    EXPECT_TRUE(find(p, "Cap"));
}

TEST(GridReportCells, TruncateAndWordWrap) {
    // One millimetre per character.
    EXPECT_EQ(firstLine("  abc  ", 3, false, 12, measure).text, "abc");
    EXPECT_EQ(firstLine("  123456", 5, false, 12, measure).text, "  123");  // leading blanks count
    const CellCut first = firstLine("ALPHA BETA GAMMA", 12, true, 12, measure);
    EXPECT_EQ(first.text, "ALPHA BETA ");
    EXPECT_EQ(first.offset, 11u);
    const CellCut second = continuationLine("ALPHA BETA GAMMA", first.offset, 12, 12, measure);
    EXPECT_EQ(second.text, "GAMMA");
    EXPECT_EQ(second.offset, 0u);
    const CellCut hard = firstLine("ЏЏЏЏЏЏЏ", 3, true, 12, measure);
    EXPECT_EQ(hard.text, "ЏЏЏ");
    EXPECT_EQ(continuationLine("ЏЏЏЏЏЏЏ", hard.offset, 3, 12, measure).text, "ЏЏЏ");
    // A column too narrow for one character loses the text and ends.
    EXPECT_EQ(firstLine("abc", 0.5, true, 12, measure).offset, 0u);
    EXPECT_EQ(continuationLine("a bcd", 2, 0.5, 12, measure).offset, 0u);
}

TEST(GridReportPages, WrappedColumnsPrintContinuationLines) {
    Report r(table({{"ALPHA BETA GAMMA", "one two six four"}}), {"A", "B"});
    r.v.lengthyLine = WordWrap;
    r.s.COLUMNARR[0].width = 12;
    r.s.COLUMNARR[1].width = 4;
    PDFPRINTCOLTALLY(r.s, false);
    const print::Page p = r.pages().pages[0];
    EXPECT_EQ(find(p, "ALPHA BETA ")->row, 30);
    EXPECT_EQ(find(p, "GAMMA")->row, 35);
    EXPECT_EQ(find(p, "one ")->row, 30);
    EXPECT_EQ(find(p, "four")->row, 45);
    // The done column prints empty texts while the other goes on.
    int empties = 0;
    for (const print::Text& t : p.texts) empties += t.size == 0 && t.row == 40;
    EXPECT_EQ(empties, 1);
}

TEST(GridReportPages, PageBreaksAndRowLines) {
    // Height 100, bottom 20: B = 80; rows from 30 in steps of 5 break when r + 5 >= 80.
    ui::TextTable rows(1);
    for (int i = 1; i <= 20; ++i) rows.appendRow({std::to_string(i)});
    Report r(rows, {"N"});
    r.v.rowLines = false;
    r.v.pagination = PageNoBottom;
    r.v.footer = " Подножје ";
    const print::Document doc = r.pages();
    // Rows from 25; with a footer the break comes when r + 10 >= 80: nine rows a page.
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_TRUE(find(doc.pages[0], "9"));
    EXPECT_FALSE(find(doc.pages[0], "10"));
    EXPECT_EQ(find(doc.pages[1], "10")->row, 25);
    const print::Text* footer = find(doc.pages[0], "Подножје");
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->row, 70 + 2.5);
    EXPECT_EQ(doc.pages[0].fontOf(*footer).size, 14);
    EXPECT_EQ(find(doc.pages[0], "Page No. :1")->row, 70 + 10 + 5);
    EXPECT_TRUE(find(doc.pages[2], "Page No. :3"));
    // Row lines off: the caption rules and the closing rules, nothing between rows.
    EXPECT_EQ(ruleRows(doc.pages[0], 19, 23), (std::vector<double>{20, 25, 70, 70}));
    // The page's column lines run from the caption row to the last rule.
    bool border = false;
    for (const print::Line& l : doc.pages[0].lines) border |= l.col1 == 19 && l.row1 == 20 && l.row2 == 70;
    EXPECT_TRUE(border);
}

TEST(GridReportPages, RunningAndGrandTotals) {
    ReportRequest request;
    request.rows = table({{"a", "1.50"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"},
                          {"g", "7"}, {"h", "8"}, {"i", "9"}});
    request.captions = {"Name", "Amount"};
    request.justify = {0, 1};
    request.sums = {{false, ""}, {true, "999.99"}};
    Report r(ui::TextTable(), {}, {}, request);
    r.v.pagination = PageNoOff;
    const print::Document doc = r.pages();
    // B = 80, rows from 25: a break when r + 15 >= 80, after the eighth row.
    ASSERT_EQ(doc.pages.size(), 2u);
    const print::Page& first = doc.pages[0];
    EXPECT_TRUE(find(first, "8.00"));
    EXPECT_FALSE(find(first, "9.00"));
    // An empty line, then the running total of the page.
    const print::Text* running = find(first, "36.50");
    ASSERT_TRUE(running);
    EXPECT_EQ(running->row, 70);
    const print::Page& second = doc.pages[1];
    EXPECT_EQ(find(second, "36.50")->row, 25);  // brought forward below the captions
    EXPECT_EQ(find(second, "9.00")->row, 35);   // after an empty line
    EXPECT_EQ(find(second, "45.50")->row, 40);  // the grand total directly under the last row
    EXPECT_DOUBLE_EQ(r.s.TOTALARR[1], 45.5);
}

TEST(GridReportPages, MergedHeaderOverAColumnLeftOut) {
    Report r(table({{"aa", "bb", "cc", "dd"}}), {"A", "B", "C", "D"});
    r.s.COLUMNARR[2].include = 2;
    PDFPRINTCOLTALLY(r.s, false);  // three columns of 2 mm: T = 12
    r.s.MERGEHEAD = {{2, 4, "Заедно"}, {3, 3, "Ништо"}};
    r.v.pagination = PageNoOff;
    const print::Page p = r.pages().pages[0];
    const print::Text* merged = find(p, "Заедно");
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->row, 20);
    EXPECT_EQ(merged->col, 20 + 4 + 4);  // centred over columns 2 and 4
    EXPECT_FALSE(find(p, "Ништо"));       // its only column is left out
    EXPECT_EQ(find(p, "A")->row, 25);
    // In the merged band: a line after column 1 and after column 4, none between 2 and 4.
    auto bandLine = [&](double col) {
        for (const print::Line& l : p.lines)
            if (l.col1 == col && l.col2 == col && l.row1 == 20 && l.row2 == 25) return true;
        return false;
    };
    EXPECT_TRUE(bandLine(20 + 2 + 1));
    EXPECT_FALSE(bandLine(20 + 4 + 3));
    EXPECT_TRUE(bandLine(31));
    // The underline of the range.
    bool underline = false;
    for (const print::Line& l : p.lines) underline |= l.row1 == 25 && l.col1 == 23 && l.col2 == 31;
    EXPECT_TRUE(underline);
    EXPECT_TRUE(hasVertical(p, 20 + 4 + 3));  // below the captions every column has its line
}

TEST(GridReportPages, UserDefinedPaperIsGivenUpright) {
    Report r(table({{"1"}}), {"ID"});
    r.v.paper = 119;
    r.v.width = 150;
    r.v.height = 100;
    r.v.orientation = Landscape;
    print::PageSetup setup = pageSetup(r.s, r.v);
    EXPECT_EQ(setup.printer, "PDF");
    EXPECT_EQ(setup.paper.number, 256);
    EXPECT_EQ(setup.paper.width, 100);
    EXPECT_EQ(setup.paper.height, 150);
    r.v.orientation = Portrait;
    setup = pageSetup(r.s, r.v);
    EXPECT_EQ(setup.paper.width, 150);
    EXPECT_EQ(setup.orientation, print::Orientation::Portrait);
}

}  // namespace
