// The first-page preview as data: the page's place and scale in the drawing
// area, and where the texts (drawn as lines), rules and column lines go.
#include "gridreport/first_page_preview.h"

#include <gtest/gtest.h>

#include "gridreport/page_output.h"
#include "report_fixture.h"

namespace gridreport {
void PrintTo(const PreviewLine& l, std::ostream* out) {
    *out << "(" << l.row1 << ", " << l.col1 << ") - (" << l.row2 << ", " << l.col2 << ") \"" << l.text << "\"";
}
}  // namespace gridreport

namespace {

using namespace gridreport;
using report_fixture::measure;
using report_fixture::table;

using Lines = std::vector<PreviewLine>;

PreviewLine across(double row, double from, double to, std::string text = {}) { return {row, from, row, to, text}; }
PreviewLine down(double col, double from, double to) { return {from, col, to, col, {}}; }

const PreviewLine* find(const PagePreview& p, std::string_view text) {
    for (const PreviewLine& l : p.lines)
        if (l.text == text) return &l;
    return nullptr;
}

int count(const PagePreview& p, std::string_view text) {
    int n = 0;
    for (const PreviewLine& l : p.lines) n += l.text == text;
    return n;
}

// A report on an A4 portrait page, margins 20, centring off: drawn at one
// pixel per mm with its page origin at (36.5, 390), the table from column 410.
struct Preview {
    ui::TextTable rows;
    ReportState s;
    Settings v;
    Preview(ui::TextTable t, std::vector<std::string> captions, std::vector<int> justify = {},
            ReportRequest request = {})
        : rows(std::move(t)), s(report_fixture::report(rows, std::move(captions), std::move(justify), request)) {
        v.width = 210;
        v.height = 297;
        v.centre = false;
        v.printer = 1;
        s.MAXCOL2 = 170;
        PDFPRINTCOLTALLY(s, false);
    }
    PagePreview draw() const { return firstPagePreview(s, v, measure); }
};

TEST(GridReportPreview, PageScaledToTheDrawingAreaNeverEnlarged) {
    const struct {
        double width, height, scale, top, left, bottom, right;
    } cases[] = {
        {210, 297, 1, 36.5, 390, 333.5, 600},  // A4 portrait
        {297, 210, 1, 80, 346.5, 290, 643.5},  // A4 landscape
        {297, 420, 330.0 / 420, 20, 310 + (370 - 297 * 330.0 / 420) / 2, 350,
         310 + (370 + 297 * 330.0 / 420) / 2},  // A3 portrait
        {740, 100, 0.5, 160, 310, 210, 680},    // wider than the area
        {100, 50, 1, 160, 445, 210, 545},       // a small page stays small
        {0, 0, 1, 185, 495, 185, 495},          // no size yet: nothing to divide by
    };
    Preview p(table({{"1"}}), {"ID"});
    for (const auto& c : cases) {
        p.v.width = c.width;
        p.v.height = c.height;
        const PagePreview d = p.draw();
        EXPECT_DOUBLE_EQ(d.scale, c.scale) << c.width << "x" << c.height;
        EXPECT_DOUBLE_EQ(d.top, c.top) << c.width << "x" << c.height;
        EXPECT_DOUBLE_EQ(d.left, c.left) << c.width << "x" << c.height;
        EXPECT_DOUBLE_EQ(d.bottom, c.bottom) << c.width << "x" << c.height;
        EXPECT_DOUBLE_EQ(d.right, c.right) << c.width << "x" << c.height;
    }
}

TEST(GridReportPreview, WorkedFirstPage) {
    // Widths 2 and 5 mm: T = 11, the table from 410 to 420 (its right border one mm in).
    Preview p(table({{"1", "Ана"}, {"2", "Бојан"}}), {"ID", "Име"}, {1, 0});
    p.v.headers = {" Наслов ", "", "  "};
    const Lines expected = {
        across(56.5, 410, 421, "Page No. :1"),  // ends at the table's right edge
        across(64, 412.5, 418.5, "Наслов"),     // centred, at the body size
        across(71.5, 410, 420),                 // the rule above the captions
        across(74, 412, 414, "ID"),             // right-justified: to the end of its gap
        across(74, 414, 417, "Име"),
        across(76.5, 410, 420),
        across(79, 413, 414, "1"),
        across(79, 414, 417, "Ана"),
        across(81.5, 410, 420),  // row lines
        across(84, 413, 414, "2"),
        across(84, 414, 419, "Бојан"),
        across(86.5, 410, 420),
        across(86.5, 410, 420),  // the closing rule
        down(410, 71.5, 86.5),
        down(413, 71.5, 86.5),  // column lines
        down(420, 71.5, 86.5),
        down(420, 71.5, 86.5),  // the right border
    };
    EXPECT_EQ(p.draw().lines, expected);
}

TEST(GridReportPreview, SettingsThatMoveTheTable) {
    Preview p(table({{"1", "Ана"}}), {"ID", "Име"}, {1, 0});
    p.v.pagination = PageNoOff;
    p.v.rowLines = false;
    p.v.columnLines = false;
    // Widths 2 and 3: T = 9. The captions at the top margin, no rule between
    // rows, only the borders down.
    EXPECT_EQ(p.draw().lines, (Lines{across(56.5, 410, 418), across(59, 412, 414, "ID"), across(59, 414, 417, "Име"),
                                     across(61.5, 410, 418), across(64, 413, 414, "1"), across(64, 414, 417, "Ана"),
                                     across(66.5, 410, 418), down(410, 56.5, 66.5), down(418, 56.5, 66.5)}));
    // Centred on the page: (210 - 9) / 2 from the page's left edge.
    p.v.centre = true;
    EXPECT_EQ(find(p.draw(), "Ана")->col1, 390 + 100.5 + 4);
    // Centre justification: the text's middle on the column's middle.
    p.s.COLUMNARR[1].width = 7;
    p.s.COLUMNARR[1].justify = 2;
    PDFPRINTCOLTALLY(p.s, false);  // T = 13
    EXPECT_EQ(find(p.draw(), "Ана")->col1, 390 + 98.5 + 4 + 3.5 - 1.5);
}

TEST(GridReportPreview, ScaledPageScalesLengthsLinesAndMargins) {
    Preview p(table({{"1234"}}), {"N"});
    p.v.width = 297;
    p.v.height = 420;
    const double f = 330.0 / 420;
    const PagePreview d = p.draw();
    const PreviewLine* cell = find(d, "1234");
    ASSERT_TRUE(cell);
    EXPECT_NEAR(cell->col2 - cell->col1, 4 * f, 1e-9);
    const PreviewLine* number = find(d, "Page No. :1");
    EXPECT_DOUBLE_EQ(number->row1, 20 + 20 * f);
    // Top margin, page number, caption: the row at its middle.
    EXPECT_DOUBLE_EQ(cell->row1, 20 + 20 * f + 5 * f + 5 * f + 2.5 * f);
}

TEST(GridReportPreview, FirstPageEndsWithFooterAndBottomPageNumberOnce) {
    ui::TextTable rows(1);
    for (int i = 1; i <= 20; ++i) rows.appendRow({std::to_string(i)});
    Preview p(rows, {"N"});
    p.v.width = 200;
    p.v.height = 100;
    p.v.pagination = PageNoBottom;
    p.v.footer = " Подножје ";
    const PagePreview d = p.draw();
    // A page of 200 x 100 at one pixel per mm from (135, 395), yB = 215; rows
    // from 160 in steps of 5: the page is full after the tenth row (y = 210),
    // where the report, keeping room for the footer, prints nine.
    EXPECT_TRUE(find(d, "10"));
    EXPECT_FALSE(find(d, "11"));
    ReportState printed = p.s;
    const print::Document doc = reportPages(printed, p.v, Target::Printer, measure);
    bool ninth = false, tenth = false;
    for (const print::Text& t : doc.pages[0].texts) {
        ninth |= doc.pages[0].textOf(t) == "9";
        tenth |= doc.pages[0].textOf(t) == "10";
    }
    EXPECT_TRUE(ninth);
    EXPECT_FALSE(tenth);
    EXPECT_EQ(count(d, "Подножје"), 1);
    EXPECT_EQ(find(d, "Подножје")->row1, 210 + 2.5);
    // The table, 4 wide, from 415: the page number ends at its right edge.
    EXPECT_EQ(count(d, "Page No. :1"), 1);
    EXPECT_EQ(d.lines.back(), across(220, 419 - 11, 419, "Page No. :1"));
}

// Nothing is drawn outside the page: a table wider than the page is cut at
// its edges; what falls below the page (rows after a top margin that leaves
// no room, a footer and page number after a full page) is left out.
TEST(GridReportPreview, NothingIsDrawnOutsideThePage) {
    ui::TextTable wide(2);
    wide.appendRow({"1", std::string(300, 'x')});  // a table of 305 mm
    ui::TextTable many(1);
    for (int i = 1; i <= 30; ++i) many.appendRow({std::to_string(i)});
    const struct {
        const char* what;
        const ui::TextTable& rows;
        bool centre;
        double height, top, bottom;
        bool cutAtBothSides;
    } cases[] = {
        {"wide, centred", wide, true, 297, 20, 20, true},
        {"wide, from the left margin", wide, false, 297, 20, 20, false},
        {"full page without bottom margin", many, false, 100, 20, 0, false},
        {"top margin past the page", many, false, 100, 99.99, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Preview p(c.rows, c.rows.columns() == 2 ? std::vector<std::string>{"ID", "Опис"} : std::vector<std::string>{"N"});
        p.v.centre = c.centre;
        p.v.height = c.height;
        p.v.top = c.top;
        p.v.bottom = c.bottom;
        p.v.footer = "Подножје";
        p.v.pagination = PageNoBottom;
        const PagePreview d = p.draw();
        bool cutAtBothSides = false;
        for (const PreviewLine& l : d.lines) {
            for (const double row : {l.row1, l.row2}) EXPECT_TRUE(row >= d.top && row <= d.bottom) << ::testing::PrintToString(l);
            for (const double col : {l.col1, l.col2}) EXPECT_TRUE(col >= d.left && col <= d.right) << ::testing::PrintToString(l);
            cutAtBothSides |= l.col1 == d.left && l.col2 == d.right;
        }
        EXPECT_EQ(cutAtBothSides, c.cutAtBothSides);
    }
    // The rows that do fit on the page are all there.
    Preview p(many, {"N"});
    p.v.height = 100;
    p.v.bottom = 0;
    EXPECT_TRUE(find(p.draw(), "13"));
}

TEST(GridReportPreview, MergedHeaderRow) {
    Preview p(table({{"aa", "bb", "cc", "dd"}}), {"A", "B", "C", "D"});
    p.s.COLUMNARR[2].include = 2;
    PDFPRINTCOLTALLY(p.s, false);  // three columns of 2 mm: T = 12
    p.s.MERGEHEAD = {{2, 4, " Заедно "}, {3, 3, "Ништо"}};
    p.v.pagination = PageNoOff;
    const PagePreview d = p.draw();
    const Lines band(d.lines.begin(), d.lines.begin() + 7);
    EXPECT_EQ(band,
              (Lines{across(56.5, 410, 421),
                     // centred over columns 2 and 4 (4 to 12 mm), six long: from 4 + 1
                     across(59, 415, 421, "Заедно"), across(61.5, 414, 422),
                     // the borders; the line after column 1 and after column 4, none between 2 and 4
                     down(410, 56.5, 61.5), down(421, 56.5, 61.5), down(413, 56.5, 61.5), down(421, 56.5, 61.5)}));
    EXPECT_FALSE(find(d, "Ништо"));  // its only column is left out
    EXPECT_EQ(find(d, "A")->row1, 64);
    // Under the captions three rules, then the borders and every column's line.
    EXPECT_EQ(count(d, ""), 6 + 3 + 5);
    EXPECT_EQ(d.lines.end()[-4], down(413, 61.5, 71.5));
    EXPECT_EQ(d.lines.end()[-3], down(417, 61.5, 71.5));
}

TEST(GridReportPreview, RowsCutOrWrappedAsPrintedSumsAsPlainTexts) {
    ReportRequest request;
    request.rows = table({{"ALPHA BETA GAMMA", "1234.5"}});
    request.captions = {"Caption", "Amount"};
    request.justify = {0, 1};
    request.sums = {{false, ""}, {true, "999,999.99"}};
    Preview p(ui::TextTable(), {}, {}, request);
    p.s.COLUMNARR[0].width = 12;
    PDFPRINTCOLTALLY(p.s, false);
    EXPECT_TRUE(find(p.draw(), "ALPHA BETA G"));
    EXPECT_TRUE(find(p.draw(), "Caption"));
    EXPECT_TRUE(find(p.draw(), "1234.5"));
    p.v.lengthyLine = WordWrap;
    const PagePreview d = p.draw();
    EXPECT_EQ(find(d, "ALPHA BETA")->row1, 69);
    EXPECT_EQ(find(d, "GAMMA")->row1, 74);
    EXPECT_EQ(p.s.TOTALARR[1], 0);
}

}  // namespace
