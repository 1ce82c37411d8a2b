#pragma once
// A small report for the grid report's tests: a grid of a few rows, texts
// measured as one millimetre per character at 12 points.
#include <string_view>

#include "gridreport/column_fit.h"
#include "gridreport/report_state.h"
#include "platform/text/utf8.h"

namespace report_fixture {

inline double measure(std::string_view text, double size) {
    return static_cast<double>(utf8::length(text)) * size / 12;
}

inline ui::TextTable table(std::initializer_list<std::initializer_list<std::string_view>> rows) {
    ui::TextTable t(rows.begin()->size());
    for (const auto& r : rows) t.appendRow(r);
    return t;
}

// A report over `rows` with `captions`, measured at 12 points, on a page of
// `maxcol` mm printable width.
inline gridreport::ReportState report(const ui::TextTable& rows, std::vector<std::string> captions,
                                      std::vector<int> justify = {}, gridreport::ReportRequest request = {}) {
    request.window = "frmTest";
    request.grid = "grdTest";
    gridreport::GridSource grid{&rows, std::move(captions), std::move(justify)};
    auto s = gridreport::startReport(request, grid, {"PDF"}, "PDF");
    gridreport::PDFCALCULATECOLUMNSIZES(s, "12", measure);
    return s;
}

}  // namespace report_fixture
