// The toolbar's Pdf button: the grid as a report in a PDF file, opened when written.
#include "gridreport/pdf_file.h"
#include "gridreport/report_window.h"
#include "gridreport/texts.h"
#include "platform/desktop/files.h"
#include "platform/ui/ui.h"
#include "shell/udfs.h"
#include "shell/entries.h"

namespace gridreport {

void _GRID2PDF(const std::string& grid, const std::string& window) {
    const auto chosen = ui::putFile(exportTitle, {{pdfFilter, "*.pdf"}});
    if (!chosen) return;
    const auto path = pdfFileName(*chosen);
    if (!path) return;
    const desktop::Presence there = desktop::presence(*path);
    if (!there.failure.empty()) {
        ui::msgStop(pdfNotWritten + there.failure, exportTitle);
        return;
    }
    if (there.exists && !ui::msgYesNo(overwriteQuestion, exportTitle)) return;
    ReportRequest request;
    request.grid = grid;
    request.window = window;
    request.pdfFile = *path;
    // Only the file this run wrote is opened: an older one at the path would pass for the report.
    if (runReport(request, Target::Pdf)) shell::openOnDesktop(*path);
}

void _GRIDPDF(const std::string& grid, const std::string& window) {
    ReportRequest request;
    request.grid = grid;
    request.window = window;
    runReport(request, Target::Pdf);
}

}  // namespace gridreport
