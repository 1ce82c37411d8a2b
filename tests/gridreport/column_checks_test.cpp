// The column list's checks: widths a column may take, and its include flag.
#include "gridreport/column_checks.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

namespace {

using namespace gridreport;

TEST(GridReportColumnChecks, WidthsAColumnMayTake) {
    const ui::TextTable rows = report_fixture::table({{"12345", "Ана Петровска"}});
    // The number column is right-justified, the name left-justified.
    ReportState s = report_fixture::report(rows, {"ID", "Име"}, {1, 0});
    struct Case {
        SelectedColumn column;
        double width;
        bool accepted;
        double stored;  // the column's width afterwards
    } cases[] = {
        {0, 6, true, 6},           // wider than its texts
        {0, 5, true, 5},           // as wide as its widest text
        {0, 4.99, false, 5},       // narrower: a number would lose digits
        {1, 3, true, 3},           // a name may be cut or wrapped
        {std::nullopt, 1, true, 3}, // nothing selected: nothing stored
        {7, 1, true, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PDFCOLUMNSIZEVERIFY(s, c.column, c.width), c.accepted) << c.width;
        EXPECT_EQ(s.COLUMNARR[c.column && *c.column < 2 ? *c.column : 1].width, c.stored) << c.width;
    }
}

TEST(GridReportColumnChecks, TypedWidths) {
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"10", 10},        {" 12.5 ", 12.5}, {"9999.99", 9999.99}, {"0", 0},          {"", std::nullopt},
        {"abc", std::nullopt}, {"1e3", 1000}, {"10000", std::nullopt}, {"-1", std::nullopt}, {"nan", std::nullopt},
        {"5x", std::nullopt},
    };
    for (const auto& [typed, width] : cases) EXPECT_EQ(typedWidth(typed), width) << typed;
}

TEST(GridReportColumnChecks, IncludeFlagAndJustification) {
    const ui::TextTable rows = report_fixture::table({{"1", "Ана", "x"}});
    ReportState s = report_fixture::report(rows, {"ID", "Име", "Ц"}, {1, 0, 2});
    EXPECT_TRUE(PDFCOLUMNSELECTED(s, 0, 2));
    EXPECT_EQ(s.COLUMNARR[0].include, 2);
    EXPECT_TRUE(PDFCOLUMNSELECTED(s, 0, 1));
    EXPECT_EQ(s.COLUMNARR[0].include, 1);
    EXPECT_TRUE(PDFGRIDTOGGLE(s, 1, 7));  // any value but 1 leaves the column out
    EXPECT_EQ(s.COLUMNARR[1].include, 2);
    EXPECT_TRUE(PDFCOLUMNSELECTED(s, std::nullopt, 2));
    EXPECT_FALSE(PDFEDITCOLDETAILS(s, 0));
    EXPECT_TRUE(PDFEDITCOLDETAILS(s, 1));
    EXPECT_TRUE(PDFEDITCOLDETAILS(s, 2));
    EXPECT_FALSE(PDFEDITCOLDETAILS(s, std::nullopt));
    EXPECT_TRUE(PDFCOLUMNSUMCHANGED());
    EXPECT_FALSE(PDFCOLUMNTYPEVERIFY());
}

}  // namespace
