#include "gridreport/settings.h"

#include <cstdlib>

#include "gridreport/paper.h"

namespace gridreport {

double Settings::fontSize() const {
    if (fontEntry < 1 || fontEntry > static_cast<int>(FONTSIZESSTR.size())) return 0;
    return std::atof(FONTSIZESSTR[static_cast<std::size_t>(fontEntry - 1)].c_str());
}

Settings startingSettings(const ReportState& s, const ReportRequest& request) {
    Settings v;
    if (s.CURPAGESIZE == userDefinedEntry) {
        v.width = s.NCUSTOMPAPERWIDTH;
        v.height = s.NCUSTOMPAPERHEIGHT;
    }
    v.spread = false;
    v.fontEntry = s.FONTNUMBER;
    v.paper = s.CURPAGESIZE;
    v.top = s.NTOPMARGIN;
    v.bottom = s.NBOTTOMMARGIN;
    v.left = s.NLEFTMARGIN;
    v.right = s.NRIGHTMARGIN;
    v.columnLines = s.LVERTLINES;
    v.rowLines = s.LHORLINES;
    v.headers = {s.HEADER1, s.HEADER2, s.HEADER3};
    v.lengthyLine = Truncate;
    v.pagination = PageNoTop;
    v.centre = true;
    v.orientation = request.orientation == "P" ? Portrait : Landscape;
    v.printer = s.PRINTERNO;
    v.mergeList = checkedMergeRows(s.MERGEHEAD);
    return v;
}

}  // namespace gridreport
