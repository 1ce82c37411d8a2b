#pragma once
// The report settings window (`pdfgrid` for a PDF file, `printgrid` for the
// printer) over one report: its columns, headers, paper and margins, merged
// header rows, the tally in its status bar, the saved settings, and the Print
// action that writes the report.
#include "gridreport/page_output.h"
#include "gridreport/report_state.h"

namespace gridreport {

// The report operation: refuses an empty grid and a system without printers,
// else builds the report state and the settings window and runs it modally.
// True when it wrote the PDF file (PDF target).
bool runReport(const ReportRequest& request, Target target);

}  // namespace gridreport
