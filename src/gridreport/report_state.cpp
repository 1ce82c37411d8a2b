#include "gridreport/report_state.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "gridreport/paper.h"
#include "gridreport/texts.h"
#include "platform/text/utf8.h"

namespace gridreport {

namespace {

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

bool isListMode(const ReportRequest& r) { return !r.rows.empty(); }

}  // namespace

std::size_t rowCount(const ReportRequest& request, const GridSource& grid) {
    if (isListMode(request)) return request.rows.rows();
    return grid.rows ? grid.rows->rows() : 0;
}

ReportState startReport(const ReportRequest& r, const GridSource& grid, std::vector<std::string> printers,
                        std::string defaultPrinter) {
    ReportState s;
    s.WINDOWNAME = r.window;
    s.GRIDNAME = r.grid;
    s.CPDFFILENAME = trimmed(r.pdfFile).empty() ? r.window + "_" + r.grid + ".pdf" : r.pdfFile;
    s.SHOWWINDOW = r.showWindow;
    s.ACOLWIDTHS = r.widths;
    s.CURPAGESIZE = paperEntry(r.paper);
    s.LVERTLINES = r.columnLines;
    s.LHORLINES = r.rowLines;
    s.NTOPMARGIN = r.top;
    s.NBOTTOMMARGIN = r.bottom;
    s.NLEFTMARGIN = r.left;
    s.NRIGHTMARGIN = r.right;
    s.NCUSTOMPAPERWIDTH = r.customWidth;
    s.NCUSTOMPAPERHEIGHT = r.customHeight;
    s.MSGARR = PDFINIT_MESSAGES();
    if (r.headers.size() >= 1 && r.headers.size() <= 3) {
        s.HEADER1 = r.headers[0];
        if (r.headers.size() >= 2) s.HEADER2 = r.headers[1];
        if (r.headers.size() == 3) s.HEADER3 = r.headers[2];
    }
    s.MERGEHEAD = r.merge;
    s.SUMARR = r.sums;
    s.FONTNAME = r.fontName;

    s.LARRAYMODE = isListMode(r);
    if (s.LARRAYMODE)
        s.ADATA = std::make_shared<const ui::TextTable>(r.rows);
    else if (grid.rows)
        s.ADATA = std::shared_ptr<const ui::TextTable>(std::shared_ptr<void>(), grid.rows);  // not owned
    s.LINES = s.ADATA->rows();

    s.FONTNUMBER = 1;
    for (std::size_t i = 0; i < FONTSIZESSTR.size(); ++i)
        if (std::atof(FONTSIZESSTR[i].c_str()) == r.fontSize) {
            s.FONTNUMBER = static_cast<int>(i) + 1;
            break;
        }

    const std::size_t columns = s.ADATA->columns();
    const auto& captions = s.LARRAYMODE ? r.captions : grid.captions;
    s.AJUSTIFY = s.LARRAYMODE ? r.justify : grid.justify;
    s.AJUSTIFY.resize(columns, 0);
    for (std::size_t c = 0; c < columns; ++c) {
        const std::string caption = c < captions.size() ? captions[c] : "";
        s.SIZES.push_back(0);
        s.HEADERSIZES.push_back(0);
        s.HEADERARR.push_back(caption);
        s.TOTALARR.push_back(0);
        s.COLUMNARR.push_back({1, caption, 0, s.AJUSTIFY[c]});
    }

    s.APRINTERNAMES = std::move(printers);
    s.DEFAULTPRINTER = std::move(defaultPrinter);
    const std::string wanted = utf8::upper(trimmed(s.DEFAULTPRINTER));
    for (std::size_t i = 0; i < s.APRINTERNAMES.size(); ++i)
        if (utf8::upper(trimmed(s.APRINTERNAMES[i])) == wanted) {
            s.PRINTERNO = static_cast<int>(i) + 1;
            break;
        }

    if (s.hasSums()) {
        s.SUMARR.resize(columns);
        s._ASUM.assign(s.SUMARR.size(), 0);
        for (std::size_t row = 0; row < s.LINES; ++row)
            for (std::size_t c = 0; c < columns; ++c)
                if (s.sumColumn(c)) s._ASUM[c] += plainNumber(cellText(s, row, c));
    }
    return s;
}

std::string PDFSTRIPCOMMA(std::string_view text, char decimalPoint) {
    const std::string t = trimmed(text);
    std::string digits;
    for (char c : t)
        if ((c >= '0' && c <= '9') || c == decimalPoint) digits += c;
    const bool negative = t.find('-') != std::string::npos || t.find("DB") != std::string::npos ||
                          (t.find('(') != std::string::npos && t.find(')') != std::string::npos);
    return negative ? "-" + digits : digits;
}

double plainNumber(std::string_view text) { return std::atof(PDFSTRIPCOMMA(text).c_str()); }

std::string formatPicture(double value, std::string_view picture) {
    const auto point = picture.find('.');
    const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(picture.size() - point - 1);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    const std::string number = buffer;
    const std::string whole = number.substr(0, number.find('.'));
    const std::string fraction = decimals > 0 ? number.substr(number.find('.')) : "";
    // The integer places of the picture, filled from the right; separators
    // show only between digits.
    const std::string_view places = picture.substr(0, point == std::string_view::npos ? picture.size() : point);
    std::string out;
    std::size_t digit = whole.size();
    for (std::size_t i = places.size(); i-- > 0;) {
        if (places[i] == ',') {
            out.insert(out.begin(), digit > 0 ? ',' : ' ');
        } else if (digit > 0) {
            out.insert(out.begin(), whole[--digit]);
        } else {
            out.insert(out.begin(), ' ');
        }
    }
    const bool negative = value < 0 && std::atof(number.c_str()) != 0;
    if (digit > 0 || (negative && out.front() != ' ')) return std::string(picture.size(), '*');
    if (negative) out[out.find_first_not_of(' ') - 1] = '-';
    return out + fraction;
}

std::vector<MergeRow> checkedMergeRows(const std::vector<MergeRow>& rows, std::vector<int>* refused) {
    std::vector<MergeRow> accepted;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MergeRow& m = rows[i];
        if (m.to >= m.from && (accepted.empty() || m.from > accepted.back().to))
            accepted.push_back(m);
        else if (refused)
            refused->push_back(static_cast<int>(i) + 1);
    }
    return accepted;
}

std::string mm2(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

}  // namespace gridreport
