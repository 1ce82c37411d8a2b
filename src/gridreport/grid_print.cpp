// The toolbar's Print button: the grid as a report through the print preview.
#include "gridreport/report_window.h"
#include "shell/entries.h"

namespace gridreport {

void _GRIDPRINT(const std::string& grid, const std::string& window) {
    ReportRequest request;
    request.grid = grid;
    request.window = window;
    request.fontName = "Arial";
    runReport(request, Target::Printer);
}

}  // namespace gridreport
