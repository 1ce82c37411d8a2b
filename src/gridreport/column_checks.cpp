#include "gridreport/column_checks.h"

#include <cstdlib>
#include <string>

#include "gridreport/column_fit.h"
#include "platform/text/utf8.h"

namespace gridreport {

namespace {

Column* selected(ReportState& s, SelectedColumn c) { return c && *c < s.COLUMNARR.size() ? &s.COLUMNARR[*c] : nullptr; }

}  // namespace

std::optional<double> typedWidth(std::string_view value) {
    const std::string t(utf8::trimBlanks(value));
    char* end = nullptr;
    const double width = std::strtod(t.c_str(), &end);
    if (t.empty() || *end != '\0' || !(width >= 0 && width <= 9999.99)) return std::nullopt;
    return width;
}

bool PDFCOLUMNSIZEVERIFY(ReportState& s, SelectedColumn c, double width) {
    Column* column = selected(s, c);
    if (!column) return true;
    if (width < naturalWidth(s, *c) && column->justify == 1) return false;
    column->width = width;
    return true;
}

bool PDFCOLUMNSELECTED(ReportState& s, SelectedColumn c, int entry) {
    if (Column* column = selected(s, c)) column->include = entry == 1 ? 1 : 2;
    return true;
}

bool PDFGRIDTOGGLE(ReportState& s, SelectedColumn c, int value) { return PDFCOLUMNSELECTED(s, c, value); }

bool PDFEDITCOLDETAILS(const ReportState& s, SelectedColumn c) {
    return c && *c < s.COLUMNARR.size() && s.COLUMNARR[*c].justify != 1;
}

}  // namespace gridreport
