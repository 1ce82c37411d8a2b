// The report state from the report operation's parameters, the report's
// texts and paper list, and the reading of formatted numbers.
#include "gridreport/report_state.h"

#include <gtest/gtest.h>

#include "gridreport/paper.h"
#include "gridreport/settings.h"
#include "gridreport/texts.h"
#include "report_fixture.h"

namespace {

using namespace gridreport;
using report_fixture::table;

TEST(GridReportTexts, SixtySevenTextsByPosition) {
    const auto t = PDFINIT_MESSAGES();
    ASSERT_EQ(t.size(), 67u);
    const std::pair<int, const char*> cases[] = {
        {1, "Nothing to print"}, {10, "Total Width :"}, {23, "Top"}, {24, "Bottom"}, {34, "Printer: "},
        {39, "Top"}, {40, "Right"}, {41, "Left"}, {42, "Bottom"}, {49, "Page No. :"}, {57, "Include"},
        {65, "There is an error in Merge Head definition in line no."},
        {67, "All the previous report configuration for this report will be lost! Are you sure to reset the form?"},
    };
    for (const auto& [n, text] : cases) EXPECT_EQ(t[n - 1], text) << n;
}

TEST(GridReportPaper, ListAndNumbers) {
    const auto& p = paperNames();
    ASSERT_EQ(p.size(), 119u);
    EXPECT_EQ(p[0], "Letter 8 1/2 x 11 in");
    EXPECT_EQ(p[8], "A4 210 x 297 mm");
    EXPECT_EQ(p[21], "Envelope #12 4 \\276 x 11");
    EXPECT_EQ(p[28], "Envelope C3  324 x 458 mm");
    EXPECT_EQ(p[118], "User Defined");
    EXPECT_EQ(paperNumber(9), 9);
    EXPECT_EQ(paperNumber(119), 256);
    EXPECT_EQ(paperEntry(0), 1);
    EXPECT_EQ(paperEntry(256), 119);
    EXPECT_EQ(paperEntry(9), 9);
}

TEST(GridReportState, StartsFromTheGridAndTheDefaults) {
    const auto rows = table({{"1", "Ана"}, {"2", "Бојан"}});
    ReportRequest r;
    r.window = "frmKorisnici";
    r.grid = "grdKorisnici";
    const auto s = startReport(r, {&rows, {"ID", "Име ^"}, {1, 0}}, {"Laser", " pdf "}, "PDF");
    EXPECT_EQ(s.CPDFFILENAME, "frmKorisnici_grdKorisnici.pdf");
    EXPECT_EQ(s.section(), "frmKorisnici_grdKorisnici");
    EXPECT_EQ(s.LINES, 2u);
    EXPECT_FALSE(s.LARRAYMODE);
    EXPECT_EQ(s.FONTNUMBER, 5);  // "12"
    EXPECT_EQ(s.CURPAGESIZE, 1);
    EXPECT_EQ(s.PRINTERNO, 2);   // trimmed and upper-cased
    ASSERT_EQ(s.COLUMNARR.size(), 2u);
    EXPECT_EQ(s.COLUMNARR[1].caption, "Име ^");
    EXPECT_EQ(s.COLUMNARR[0].justify, 1);
    EXPECT_TRUE(s.COLUMNARR[0].included());
    EXPECT_EQ(s.HEADER1, "");
}

TEST(GridReportState, ParametersThatSelectOrRefuse) {
    const auto rows = table({{"1"}});
    struct Case {
        std::vector<std::string> headers;
        double fontSize;
        std::string h1, h3;
        int fontNumber;
    } cases[] = {
        {{"A", "B", "C"}, 8, "A", "C", 1},
        {{"A"}, 72, "A", "", 16},
        {{"A", "B", "C", "D"}, 13, "", "", 1},  // four headers set none; 13 is not offered
    };
    for (const Case& c : cases) {
        ReportRequest r;
        r.headers = c.headers;
        r.fontSize = c.fontSize;
        const auto s = startReport(r, {&rows, {"ID"}, {0}}, {"Laser"}, "Other");
        EXPECT_EQ(s.HEADER1, c.h1);
        EXPECT_EQ(s.HEADER3, c.h3);
        EXPECT_EQ(s.FONTNUMBER, c.fontNumber);
        EXPECT_EQ(s.PRINTERNO, 1);  // no name matches: the first printer
    }
}

TEST(GridReportState, UserDefinedPaperStartsInTheWindow) {
    const auto rows = table({{"1"}});
    ReportRequest r;
    r.paper = 256;
    r.customWidth = 150;
    r.customHeight = 100;
    r.orientation = "L";
    const auto s = startReport(r, {&rows, {"ID"}, {0}}, {"PDF"}, "PDF");
    const Settings v = startingSettings(s, r);
    EXPECT_EQ(v.paper, 119);
    EXPECT_EQ(v.width, 150);
    EXPECT_EQ(v.height, 100);
    EXPECT_EQ(v.orientation, Landscape);
}

TEST(GridReportState, ListModeAndGrandTotals) {
    ReportRequest r;
    r.rows = table({{"a", "1,234.50 DB"}, {"b", "(12)"}, {"c", "***"}, {"d", "100"}});
    r.captions = {"Name", "Amount"};
    r.justify = {0, 1};
    r.sums = {{false, ""}, {true, "9,999.99"}};
    const auto s = startReport(r, {}, {"PDF"}, "PDF");
    EXPECT_TRUE(s.LARRAYMODE);
    EXPECT_EQ(s.HEADERARR[1], "Amount");
    EXPECT_DOUBLE_EQ(s._ASUM[1], -1234.5 - 12 + 0 + 100);
    EXPECT_DOUBLE_EQ(s._ASUM[0], 0);
}

TEST(GridReportNumbers, PlainNumberOfAFormattedNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"   1,234.50", "1234.50"}, {"(12.00)", "-12.00"}, {"5.00 DB", "-5.00"}, {"***", ""}, {"-3", "-3"},
        {"(12", "12"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(PDFSTRIPCOMMA(in), out) << in;
    EXPECT_EQ(plainNumber("***"), 0);
}

TEST(GridReportNumbers, PictureFormatting) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {1234.5, "999,999.99", "  1,234.50"}, {12, "999", " 12"},    {-12, "999", "-12"},
        {1234, "999", "***"},                 {-123, "999", "***"}, {0.005, "9.99", "0.01"},
    };
    for (const auto& [value, picture, out] : cases) EXPECT_EQ(formatPicture(value, picture), out) << value;
}

TEST(GridReportMerge, RowsThatOverlapOrRunBackwardsAreRefused) {
    struct Case {
        std::vector<MergeRow> rows;
        std::vector<MergeRow> accepted;
        std::vector<int> refused;
    } cases[] = {
        {{{1, 2, "A"}, {2, 3, "B"}}, {{1, 2, "A"}}, {2}},
        {{{1, 2, ""}, {5, 1, ""}, {3, 4, ""}}, {{1, 2, ""}, {3, 4, ""}}, {2}},
        // Compared with the last accepted row, not the row before: 3 lies inside 1 to 5.
        {{{1, 5, ""}, {6, 2, ""}, {3, 4, ""}}, {{1, 5, ""}}, {2, 3}},
    };
    for (const Case& c : cases) {
        std::vector<int> refused;
        EXPECT_EQ(checkedMergeRows(c.rows, &refused), c.accepted);
        EXPECT_EQ(refused, c.refused);
    }
}

}  // namespace
