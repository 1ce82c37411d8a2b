#pragma once
// The layout engine's page output: the whole report as a print document, page
// by page, with page numbers, page headers, merged header rows, captions, rows
// cut or wrapped to their columns, rules, column lines, running and grand
// totals and the footer. Plain C++, no window.
#include <functional>

#include "gridreport/column_fit.h"
#include "gridreport/settings.h"
#include "platform/print/document.h"

namespace gridreport {

// The two page targets place their horizontal rules differently: the PDF
// file's rule of a line at row r lies h - 0.5 mm above the printer's.
enum class Target { Pdf, Printer };

// The line height of a font size in mm: INT(s / 72 * 25.4) + 1.
double lineHeight(double size);

// The cells of one line of the table, one per included column, cut or wrapped
// to their widths (the lengthy-line setting); `offset` counts the characters
// of each cell already placed, 0 when nothing is left.
struct CellCut {
    std::string text;
    std::size_t offset = 0;
};
CellCut firstLine(std::string_view text, double width, bool wordWrap, double size, const Measure& measure);
CellCut continuationLine(std::string_view text, std::size_t offset, double width, double size,
                         const Measure& measure);
// A caption cut to its column: trimmed when it fits, else the longest leading part that fits.
std::string cutCaption(std::string_view caption, double width, double size, const Measure& measure);

// The printer set-up of the settings: printer, orientation, paper and, for the
// user-defined paper, its size.
print::PageSetup pageSetup(const ReportState& s, const Settings& v);

// Takes each page of the report as soon as it is complete; the page may be
// moved from, as the writer starts the next one afresh.
using PageSink = std::function<void(print::Page& page)>;

// The report's pages, one at a time, so that a long report is never held
// whole. Adds the printed values of the sum columns to TOTALARR.
void reportPages(ReportState& s, const Settings& v, Target target, const Measure& measure, const PageSink& sink);
// The report's pages as one document, for the print preview.
print::Document reportPages(ReportState& s, const Settings& v, Target target, const Measure& measure);

}  // namespace gridreport
