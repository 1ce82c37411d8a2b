#pragma once
// How wide the report's columns are, how they add up to the table width, the
// spread over the printable width, and the fit test. Plain C++: texts are
// measured through the function the caller passes (PRINTLEN in the program).
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "gridreport/report_state.h"
#include "platform/print/printers.h"

namespace gridreport {

// The width of a text in mm at a font size in points, rounded to 2 decimals.
// Of two texts, the one at least as wide at one size is at least as wide at
// every size, so a column's widest text stays its widest.
using Measure = std::function<double(std::string_view text, double size)>;

// PRINTLEN in hundredths of a millimetre of a text `pixels` wide at `size`
// points: pixels x 0.072 / 72 x 25.4 x size mm, i.e. pixels x 254 x size / 10000,
// rounded half away from zero in integers, so that exact halves round up.
long long printLenHundredths(long long pixels, double size);

// PRINTLEN: the text's width in whole pixels of one fixed screen font (the
// report's own font plays no part), times 0.0254 mm per pixel and point. The
// width is its characters' widths added up, as a screen sets a line of text
// without kerning.
double PRINTLEN(std::string_view text, double size);

// PRINTLEN with each character's width measured once, so that a report of
// many rows costs an addition per character. One per report run.
class TextWidths {
public:
    TextWidths();
    double operator()(std::string_view text, double size);
    // The number of distinct characters measured so far.
    std::size_t measured() const { return measured_; }

private:
    double width(char32_t c);  // mm, in the screen font

    print::FontMetrics screen_;
    std::vector<double> common_;  // the first code points, Latin and Cyrillic; negative until measured
    std::unordered_map<char32_t, double> others_;
    std::size_t measured_ = 0;
};

// PDFPRINTLEN: the text's width in mm as the PDF library measures it in that
// font, not rounded; 0 for a font it does not know. Offered; the report
// measures with PRINTLEN.
double PDFPRINTLEN(const std::string& text, double size, const std::string& fontName);

// PDFCALCULATECOLUMNSIZES: content and caption widths, and every column's
// width from them (or from the caller's widths). `fontSize` is the entry of
// the font size combo as shown. Every text is measured by the first measure
// only: later ones measure each column's widest text at the new size.
void PDFCALCULATECOLUMNSIZES(ReportState& s, std::string_view fontSize, const Measure& measure);

// What the tally shows.
struct Tally {
    bool fits = false;
    std::string status1, status2;
};

// PDFPRINTCOLTALLY: spreads the columns when `spread` is on, sets CURCOL1 and
// tests the fit against MAXCOL2.
Tally PDFPRINTCOLTALLY(ReportState& s, bool spread);

// Status bar item 2: "Total Width : 187.50 out of 175.90".
std::string widthStatus(const ReportState& s);

// The natural width of column c: the larger of its content and caption widths.
double naturalWidth(const ReportState& s, std::size_t c);

}  // namespace gridreport
