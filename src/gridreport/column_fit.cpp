#include "gridreport/column_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/pdf/text_pages.h"
#include "platform/print/printers.h"
#include "platform/text/utf8.h"

namespace gridreport {

namespace {

// The stock screen font: a bold sans of 16 pixels (12 points at 96 pixels per inch).
const print::Font screenFont{"Liberation Sans", 12, true};

constexpr char32_t commonCharacters = 0x500;

}  // namespace

long long printLenHundredths(long long pixels, double size) {
    const long long n = pixels * 254 * std::llround(size * 100);  // in 1/1,000,000 mm
    return n >= 0 ? (n + 5000) / 10000 : -((-n + 5000) / 10000);
}

double PRINTLEN(std::string_view text, double size) { return TextWidths()(text, size); }

TextWidths::TextWidths() : screen_(screenFont), common_(commonCharacters, -1) {}

double TextWidths::width(char32_t c) {
    if (c < commonCharacters) {
        double& w = common_[c];
        if (w < 0) w = screen_.characterWidth(c), ++measured_;
        return w;
    }
    const auto [found, added] = others_.try_emplace(c, 0);
    if (added) found->second = screen_.characterWidth(c), ++measured_;
    return found->second;
}

double TextWidths::operator()(std::string_view text, double size) {
    if (text.empty()) return 0;
    double mm = 0;
    for (std::size_t at = 0; at < text.size();) {
        const utf8::Decoded d = utf8::decode(text, at);
        mm += width(d.length ? d.codePoint : U'\uFFFD');  // a byte of no character shows as the replacement
        at += d.length ? d.length : 1;
    }
    const long long pixels = std::llround(mm / 25.4 * 96);
    return static_cast<double>(printLenHundredths(pixels, size)) / 100;
}

double PDFPRINTLEN(const std::string& text, double size, const std::string& fontName) {
    return pdf::builtInTextWidth(text, size, fontName);
}

double naturalWidth(const ReportState& s, std::size_t c) { return std::max(s.SIZES[c], s.HEADERSIZES[c]); }

void PDFCALCULATECOLUMNSIZES(ReportState& s, std::string_view fontSize, const Measure& measure) {
    const std::size_t columns = s.ADATA->columns();
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
    if (s.WIDEST.size() != columns) {
        s.WIDEST.assign(columns, "");
        s.SIZES.assign(columns, 0);
        for (std::size_t row = 0; row < s.LINES; ++row)
            for (std::size_t c = 0; c < columns; ++c) {
                const std::string_view text = utf8::trimBlanks(cellText(s, row, c));
                if (const double width = measure(text, size); width > s.SIZES[c]) {
                    s.SIZES[c] = width;
                    s.WIDEST[c] = text;
                }
            }
    } else {
        for (std::size_t c = 0; c < columns; ++c) s.SIZES[c] = measure(s.WIDEST[c], size);
    }
    s.HEADERSIZES.assign(columns, 0);
    for (std::size_t c = 0; c < s.HEADERARR.size() && c < columns; ++c)
        s.HEADERSIZES[c] = measure(utf8::trimBlanks(s.HEADERARR[c]), size);
    for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c)
        if (s.sumColumn(c))
            s.SIZES[c] = std::max(s.SIZES[c], measure(utf8::trimBlanks(formatPicture(s._ASUM[c], s.SUMARR[c].picture)), size));
    for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c) s.COLUMNARR[c].width = naturalWidth(s, c);
}

std::string widthStatus(const ReportState& s) {
    return s.msg(10) + " " + mm2(s.CURCOL1) + " " + s.msg(11) + " " + mm2(s.MAXCOL2);
}

namespace {

long long hundredths(double mm) { return std::llround(mm * 100); }

}  // namespace

Tally PDFPRINTCOLTALLY(ReportState& s, bool spread) {
    // Widths add up in hundredths of a millimetre, as they are measured and shown.
    long long table = 0;
    if (spread) {
        long long n = 0, natural = 0;
        for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c)
            if (s.COLUMNARR[c].included()) {
                ++n;
                natural += hundredths(naturalWidth(s, c)) + 200;
            }
        const long long printable = hundredths(s.MAXCOL2);
        if (natural < printable) {
            const long long content = natural - 200 * n;
            for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c)
                if (s.COLUMNARR[c].included())
                    s.COLUMNARR[c].width =
                        content == 0 ? 0
                                     : static_cast<double>(printable - 200 * n - 500) *
                                           static_cast<double>(hundredths(naturalWidth(s, c))) /
                                           static_cast<double>(content) / 100;
            table = printable - 500;
        } else {
            table = natural;
        }
    } else {
        for (const Column& c : s.COLUMNARR)
            if (c.included()) table += hundredths(c.width) + 200;
    }
    s.CURCOL1 = static_cast<double>(table) / 100;
    const bool fits = hundredths(s.MAXCOL2) >= table;
    return {fits, fits ? s.msg(45) : s.msg(46), widthStatus(s)};
}

}  // namespace gridreport
