#include "gridreport/column_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/print/printers.h"
#include "platform/text/utf8.h"

namespace gridreport {

namespace {

double round2(double v) { return std::round(v * 100) / 100; }

}  // namespace

double PRINTLEN(std::string_view text, double size) {
    if (text.empty()) return 0;
    // The stock screen font: a bold sans of 16 pixels (12 points at 96 pixels per inch).
    const print::Font screen{"Liberation Sans", 12, true};
    const double pixels = std::round(print::textWidth(text, screen) / 25.4 * 96);
    return round2(pixels * 0.072 / 72 * 25.4 * size);
}

double naturalWidth(const ReportState& s, std::size_t c) { return std::max(s.SIZES[c], s.HEADERSIZES[c]); }

void PDFCALCULATECOLUMNSIZES(ReportState& s, std::string_view fontSize, const Measure& measure) {
    const std::size_t columns = s.ADATA.columns();
    if (!s.ACOLWIDTHS.empty()) {
        if (s.ACOLWIDTHS.size() != columns) return;
        s.SIZES = s.ACOLWIDTHS;
        for (std::size_t c = 0; c < columns; ++c) {
            s.COLUMNARR[c].include = s.ACOLWIDTHS[c] == 0 ? 2 : 1;
            s.COLUMNARR[c].width = s.ACOLWIDTHS[c];
        }
        return;
    }
    const double size = std::atof(std::string(utf8::trimBlanks(fontSize)).c_str());
    if (!(size > 0)) return;
    s.SIZES.assign(columns, 0);
    s.HEADERSIZES.assign(columns, 0);
    for (std::size_t row = 0; row < s.LINES; ++row)
        for (std::size_t c = 0; c < columns; ++c)
            s.SIZES[c] = std::max(s.SIZES[c], measure(utf8::trimBlanks(cellText(s, row, c)), size));
    for (std::size_t c = 0; c < s.HEADERARR.size() && c < columns; ++c)
        s.HEADERSIZES[c] = measure(utf8::trimBlanks(s.HEADERARR[c]), size);
    for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c) {
        if (s.sumColumn(c))
            s.SIZES[c] = std::max(s.SIZES[c], measure(utf8::trimBlanks(formatPicture(s._ASUM[c], s.SUMARR[c].picture)), size));
        s.COLUMNARR[c].width = naturalWidth(s, c);
    }
}

std::string widthStatus(const ReportState& s) {
    return s.msg(10) + " " + mm2(s.CURCOL1) + " " + s.msg(11) + " " + mm2(s.MAXCOL2);
}

Tally PDFPRINTCOLTALLY(ReportState& s, bool spread) {
    double table = 0;
    if (spread) {
        int n = 0;
        double natural = 0;
        for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c)
            if (s.COLUMNARR[c].included()) {
                ++n;
                natural += naturalWidth(s, c) + 2;
            }
        if (natural < s.MAXCOL2) {
            const double content = natural - 2.0 * n;
            for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c)
                if (s.COLUMNARR[c].included())
                    s.COLUMNARR[c].width =
                        content == 0 ? 0 : (s.MAXCOL2 - 2.0 * n - 5) * naturalWidth(s, c) / content;
            table = s.MAXCOL2 - 5;
        } else {
            table = natural;
        }
    } else {
        for (const Column& c : s.COLUMNARR)
            if (c.included()) table += c.width + 2;
    }
    s.CURCOL1 = table;
    // Widths are hundredths of a millimetre: the test is on what the status shows.
    const bool fits = std::round(s.MAXCOL2 * 100) >= std::round(s.CURCOL1 * 100);
    return {fits, fits ? s.msg(45) : s.msg(46), widthStatus(s)};
}

}  // namespace gridreport
