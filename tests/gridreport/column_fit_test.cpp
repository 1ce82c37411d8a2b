// Column widths from the texts, the caller's widths, the spread and the fit test.
#include "gridreport/column_fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "report_fixture.h"

namespace {

using namespace gridreport;
using report_fixture::report;
using report_fixture::table;

TEST(GridReportColumns, WidthsFromCellsAndCaptions) {
    const auto rows = table({{"12345", "", "ab"}, {"  1  ", "", "abcd"}});
    auto s = report(rows, {"ID", "", "A very long caption"});
    EXPECT_EQ(s.COLUMNARR[0].width, 5);   // the widest cell
    EXPECT_EQ(s.COLUMNARR[1].width, 0);   // empty cells and caption
    EXPECT_EQ(s.COLUMNARR[2].width, 19);  // the caption is wider than every cell
    s.MAXCOL2 = 100;
    const Tally t = PDFPRINTCOLTALLY(s, false);
    EXPECT_EQ(s.CURCOL1, 5 + 2 + 0 + 2 + 19 + 2);  // an empty column still takes its gap
    EXPECT_TRUE(t.fits);
    EXPECT_EQ(t.status1, "Welcome to Print Wizard");
    EXPECT_EQ(t.status2, "Total Width : 30.00 out of 100.00");
}

TEST(GridReportColumns, FontSizeScalesTheWidths) {
    const auto rows = table({{"123456"}});
    auto s = report(rows, {"ID"});
    PDFCALCULATECOLUMNSIZES(s, " 24 ", report_fixture::measure);
    EXPECT_EQ(s.COLUMNARR[0].width, 12);
    PDFCALCULATECOLUMNSIZES(s, "", report_fixture::measure);  // no size: nothing changes
    EXPECT_EQ(s.COLUMNARR[0].width, 12);
}

TEST(GridReportColumns, CallerWidthsLeaveColumnsOut) {
    const auto rows = table({{"a", "b", "c"}});
    ReportRequest r;
    r.widths = {0, 25, 40};
    auto s = report(rows, {"A", "B", "C"}, {}, r);
    EXPECT_FALSE(s.COLUMNARR[0].included());
    EXPECT_EQ(s.COLUMNARR[1].width, 25);
    EXPECT_EQ(s.COLUMNARR[2].width, 40);
    r.widths = {10, 20};  // a count that differs is ignored
    auto t = report(rows, {"A", "B", "C"}, {}, r);
    EXPECT_EQ(t.COLUMNARR[0].width, 0);
    EXPECT_TRUE(t.COLUMNARR[0].included());
}

TEST(GridReportColumns, SumColumnIsAsWideAsItsTotal) {
    ReportRequest r;
    r.rows = table({{"1"}, {"999"}});
    r.captions = {"N"};
    r.sums = {{true, "999,999"}};
    auto s = report(ui::TextTable(), {}, {}, r);
    EXPECT_EQ(s.COLUMNARR[0].width, 5);  // "1,000"
}

TEST(GridReportFit, EqualFitsAndAHundredthMoreDoesNot) {
    const auto rows = table({{"12345678"}});
    auto s = report(rows, {"ID"});
    s.MAXCOL2 = 10;
    EXPECT_TRUE(PDFPRINTCOLTALLY(s, false).fits);
    s.MAXCOL2 = 9.99;
    const Tally t = PDFPRINTCOLTALLY(s, false);
    EXPECT_FALSE(t.fits);
    EXPECT_EQ(t.status1, "You had selected more columns than to fit in a page!");
    EXPECT_EQ(t.status2, "Total Width : 10.00 out of 9.99");
}

TEST(GridReportFit, SpreadKeepsProportionsAndEndsFiveMillimetresShort) {
    const auto rows = table({{std::string(10, 'a'), std::string(20, 'b'), std::string(30, 'c'), "x"}});
    auto s = report(rows, {"", "", "", ""});
    s.COLUMNARR[3].include = 2;
    s.MAXCOL2 = 170;
    EXPECT_TRUE(PDFPRINTCOLTALLY(s, true).fits);
    EXPECT_DOUBLE_EQ(s.COLUMNARR[0].width, 26.5);
    EXPECT_DOUBLE_EQ(s.COLUMNARR[1].width, 53);
    EXPECT_DOUBLE_EQ(s.COLUMNARR[2].width, 79.5);
    EXPECT_DOUBLE_EQ(s.CURCOL1, 165);
    // Spread again from the natural widths on a narrower page.
    s.MAXCOL2 = 100;
    PDFPRINTCOLTALLY(s, true);
    EXPECT_DOUBLE_EQ(s.CURCOL1, 95);
}

TEST(GridReportFit, SpreadLeavesANaturalTableThatFillsThePage) {
    const auto rows = table({{std::string(8, 'a')}});
    auto s = report(rows, {""});
    s.MAXCOL2 = 10;
    EXPECT_TRUE(PDFPRINTCOLTALLY(s, true).fits);
    EXPECT_EQ(s.COLUMNARR[0].width, 8);
    EXPECT_EQ(s.CURCOL1, 10);
    s.COLUMNARR[0].include = 2;  // nothing included
    EXPECT_TRUE(PDFPRINTCOLTALLY(s, true).fits);
    EXPECT_EQ(s.CURCOL1, 5);
}

TEST(GridReportMeasure, OneFixedScreenFont) {
    EXPECT_EQ(PRINTLEN("", 12), 0);
    const double w = PRINTLEN("Износ 123", 12);
    EXPECT_GT(w, 0);
    // Whole pixels of 0.0254 mm per point: twice the size, twice the width.
    EXPECT_NEAR(PRINTLEN("Износ 123", 24), 2 * w, 0.011);
    EXPECT_NEAR(w * 100, std::round(w * 100), 1e-9);
}

// pixels x 0.072 / 72 x 25.4 x size mm is pixels x 254 x size / 10000: the
// hundredths are the nearest whole number, an exact half rounding up.
TEST(GridReportMeasure, PrintLenInWholeHundredthsForEverySize) {
    for (const std::string& entry : FONTSIZESSTR) {
        const long long size = std::stoll(entry);
        for (const long long offered : {size, size + 2})  // the body and the page headers
            for (long long pixels = 0; pixels <= 2000; ++pixels) {
                const long long millionths = pixels * 254 * offered * 100;  // of a mm, exactly
                const long long got = printLenHundredths(pixels, static_cast<double>(offered));
                const long long below = got * 10000 - millionths;  // how far the result lies from the exact width
                ASSERT_TRUE(below > -5000 && below <= 5000) << pixels << " px at " << offered << " pt gives " << got;
            }
    }
    // The halves that a binary fraction rounds down: 5.715 and 6.985 mm.
    EXPECT_EQ(printLenHundredths(25, 9), 572);
    EXPECT_EQ(printLenHundredths(25, 11), 699);
    EXPECT_EQ(printLenHundredths(100, 12), 3048);
}

TEST(GridReportMeasure, PdfLibraryMeasureInItsOwnFonts) {
    // Helvetica's widths: H 722, e 556, l 222, o 556 thousandths of the size.
    EXPECT_NEAR(PDFPRINTLEN("Hello", 12, "Helvetica"), 2.278 * 12 / 72 * 25.4, 1e-4);
    EXPECT_EQ(PDFPRINTLEN("Hello", 12, "NoSuchFont"), 0);
    EXPECT_EQ(PDFPRINTLEN("", 12, "Helvetica"), 0);
}

// A text is as wide as its characters added up, each measured once.
TEST(GridReportMeasure, EachCharacterMeasuredOnce) {
    TextWidths widths;
    EXPECT_EQ(widths("", 12), 0);
    EXPECT_EQ(widths("Износ 123", 12), PRINTLEN("Износ 123", 12));
    EXPECT_EQ(widths("Износ 123", 9), PRINTLEN("Износ 123", 9));
    EXPECT_EQ(widths.measured(), 9u);  // И з н о с, the blank, 1 2 3
    EXPECT_EQ(widths("Нос 321", 9), PRINTLEN("Нос 321", 9));
    EXPECT_EQ(widths.measured(), 10u);  // only Н is new
    // No kerning: pairs that a typesetter would draw closer measure their two letters.
    EXPECT_EQ(PRINTLEN("AVAVAVAVAV", 12), PRINTLEN("AAAAAVVVVV", 12));
    EXPECT_EQ(widths("\xFF", 12), widths("\xEF\xBF\xBD", 12)) << "a byte of no character is the replacement";
}

TEST(GridReportColumns, EveryCellMeasuredOnce) {
    ui::TextTable rows = report_fixture::table({{"1", "Ана"}, {"22", "Марија"}});
    ReportState s = report_fixture::report(rows, {"ID", "Име"});
    int calls = 0;
    const Measure counting = [&calls](std::string_view text, double size) {
        ++calls;
        return report_fixture::measure(text, size);
    };
    s.COLUMNARR[1].width = 99;  // typed by the user
    PDFCALCULATECOLUMNSIZES(s, "12", counting);
    EXPECT_EQ(calls, 4);  // the widest text and the caption of each column
    EXPECT_EQ(s.COLUMNARR[1].width, 6);
    PDFCALCULATECOLUMNSIZES(s, "24", counting);
    EXPECT_EQ(calls, 8);
    EXPECT_EQ(s.COLUMNARR[1].width, 12);
    EXPECT_EQ(s.COLUMNARR[0].width, 4);  // "ID"
}

}  // namespace
