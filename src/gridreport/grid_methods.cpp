// The grid methods "PDF" and "Print": the grid report of any grid, for code
// that asks a grid for it by name. No window of the program invokes them.
#include "platform/ui/ui.h"
#include "shell/entries.h"

namespace gridreport {

namespace {

// For a grid, the report runs with only the grid and its window given.
bool MyGridPDF(const std::string& window, const std::string& control, const std::string&) {
    if (!ui::Ctl(window, control).isGrid()) return false;
    _GRIDPDF(control, window);
    return true;
}

bool MyGridPrint(const std::string& window, const std::string& control, const std::string&) {
    if (!ui::Ctl(window, control).isGrid()) return false;
    _GRIDPRINT(control, window);
    return true;
}

}  // namespace

void _INITPDFGRID() {
    ui::registerMethod("PDF", MyGridPDF);
    ui::registerMethod("Print", MyGridPrint);
}

}  // namespace gridreport
