#pragma once
// The values of the report settings window's controls, as the page output,
// the preview and the saved settings read them.
#include <array>
#include <string>
#include <vector>

#include "gridreport/report_state.h"

namespace gridreport {

enum LengthyLine { WordWrap = 1, Truncate = 2 };
enum Pagination { PageNoOff = 1, PageNoTop = 2, PageNoBottom = 3 };
enum PaperOrientation { Landscape = 1, Portrait = 2 };

struct Settings {
    std::array<std::string, 3> headers;
    std::string footer;
    int fontEntry = 5;  // position in FONTSIZESSTR
    int lengthyLine = Truncate;
    int pagination = PageNoTop;
    bool columnLines = true, rowLines = true, centre = true, spread = false;
    int orientation = Portrait;
    int printer = 0;  // position in the installed printers, 0 none
    int paper = 1;    // entry of the paper list
    double width = 0, height = 0;
    double top = 20, right = 20, left = 20, bottom = 20;
    std::vector<MergeRow> mergeList;  // the rows of the merge list as shown

    double fontSize() const;
};

// The settings window's starting values for a report.
Settings startingSettings(const ReportState& s, const ReportRequest& request);

}  // namespace gridreport
