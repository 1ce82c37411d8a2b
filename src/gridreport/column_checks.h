#pragma once
// The settings window's checks and toggles of its column list, on the report
// state: the column concerned is the list's selected one (nothing when no
// column is selected). Plain C++, no window.
#include <optional>
#include <string_view>

#include "gridreport/report_state.h"

namespace gridreport {

using SelectedColumn = std::optional<std::size_t>;  // 0-based

// A width as typed into the width cell: a number from 0 to 9999.99, blanks
// around it allowed; nothing for anything else.
std::optional<double> typedWidth(std::string_view value);

// PDFCOLUMNSIZEVERIFY: a width (mm) the column may take: not below its
// widest text and caption, or narrower for a left- or centre-justified
// column, whose texts are then cut or wrapped. An accepted width is stored.
bool PDFCOLUMNSIZEVERIFY(ReportState& s, SelectedColumn c, double width);
// PDFCOLUMNSELECTED: the include flag from the include entry, 1 "Yes" and any
// other value left out; always accepts.
bool PDFCOLUMNSELECTED(ReportState& s, SelectedColumn c, int entry);
// PDFGRIDTOGGLE: the same for an edited value 1 or 2; the window then refreshes.
bool PDFGRIDTOGGLE(ReportState& s, SelectedColumn c, int value);
// PDFEDITCOLDETAILS: whether the column is left- or centre-justified.
bool PDFEDITCOLDETAILS(const ReportState& s, SelectedColumn c);
// PDFCOLUMNSUMCHANGED always accepts; PDFCOLUMNTYPEVERIFY always refuses.
inline bool PDFCOLUMNSUMCHANGED() { return true; }
inline bool PDFCOLUMNTYPEVERIFY() { return false; }

}  // namespace gridreport
