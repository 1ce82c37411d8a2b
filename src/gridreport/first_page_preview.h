#pragma once
// The first-page preview of the report settings window: a schematic drawing of
// the report's first page in pixels of the window, each text drawn as a line
// as long as the text would be on paper, the rules and column lines where the
// printer puts them, page number 1. Plain C++, no window.
#include <string>
#include <vector>

#include "gridreport/column_fit.h"
#include "gridreport/settings.h"

namespace gridreport {

// The drawing area right of the settings window's tabs.
inline constexpr double previewTop = 10, previewLeft = 300, previewBottom = 360, previewRight = 690;

// A line of the drawing; `text` is the text a text line stands for, empty for
// rules and borders.
struct PreviewLine {
    double row1 = 0, col1 = 0, row2 = 0, col2 = 0;
    std::string text;
    bool operator==(const PreviewLine&) const = default;
};

struct PagePreview {
    double scale = 1;                                 // pixels per mm
    double top = 0, left = 0, bottom = 0, right = 0;  // the page: outlined in black, filled white
    std::vector<PreviewLine> lines;
};

// The drawing for the report state and the window's settings. Sum columns show
// their plain cell texts; the totals are not touched.
PagePreview firstPagePreview(const ReportState& s, const Settings& v, const Measure& measure);

}  // namespace gridreport
