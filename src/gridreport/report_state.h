#pragma once
// The report state: one record per run of the grid report, made from the
// report operation's parameters and the rows to print, changed by the settings
// window's handlers and read by the page output. Plain C++, no window.
#include <memory>
#include <string>
#include <vector>

#include "platform/text/text_table.h"

namespace gridreport {

struct Column {
    int include = 1;  // 1 included, 2 left out
    std::string caption;
    double width = 0;  // mm
    int justify = 0;   // 0 left, 1 right, 2 centre
    bool included() const { return include == 1; }
};

struct SumColumn {
    bool sum = false;
    std::string picture;  // "999,999.99": digits, thousands separators, decimals
};

struct MergeRow {
    int from = 0, to = 0;  // column numbers, counting every column from 1
    std::string text;
    bool operator==(const MergeRow&) const = default;
};

// The report operation's parameters with their defaults.
struct ReportRequest {
    std::string grid, window;
    std::string pdfFile;  // empty: WINDOWNAME_GRIDNAME.pdf
    double fontSize = 12;
    std::string orientation = "P";  // "P" portrait, any other text landscape
    std::vector<std::string> headers;
    std::string fontName = "Helvetica";
    bool showWindow = false;
    std::vector<MergeRow> merge;
    std::vector<SumColumn> sums;
    ui::TextTable rows;  // list mode when it has rows
    std::vector<std::string> captions;
    std::vector<int> justify;
    std::vector<double> widths;  // mm, 0 = leave the column out
    int paper = 0;               // 0 Letter, 256 user-defined, else 1 to 118
    double customWidth = 0, customHeight = 0;
    bool columnLines = true, rowLines = true;
    double left = 20, top = 20, right = 20, bottom = 20;
};

// What the grid of the list window gives the report in grid mode.
struct GridSource {
    const ui::TextTable* rows = nullptr;
    std::vector<std::string> captions;  // as shown, sort signs included
    std::vector<int> justify;
};

inline const std::vector<std::string> FONTSIZESSTR = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                                      "20", "22", "24", "26", "28", "36", "48", "72"};

struct ReportState {
    std::string WINDOWNAME, GRIDNAME, CPDFFILENAME;
    bool SHOWWINDOW = false;
    bool LARRAYMODE = false;
    // The rows to print: a copy of the list's rows, or the grid's own, which
    // the modal report leaves unchanged while it runs.
    std::shared_ptr<const ui::TextTable> ADATA = std::make_shared<const ui::TextTable>();
    std::size_t LINES = 0;
    std::vector<std::string> HEADERARR;
    std::vector<int> AJUSTIFY;
    std::vector<Column> COLUMNARR;
    std::vector<double> SIZES, HEADERSIZES, ACOLWIDTHS;
    // The widest content text of each column, found by the first measure;
    // a later measure at another size needs only these (see Measure).
    std::vector<std::string> WIDEST;
    std::vector<SumColumn> SUMARR;
    std::vector<double> _ASUM, TOTALARR;
    std::vector<MergeRow> MERGEHEAD;
    std::string FONTNAME;
    int FONTNUMBER = 1;
    double MAXCOL2 = 0, CURCOL1 = 0;
    std::string HEADER1, HEADER2, HEADER3;
    std::vector<std::string> APRINTERNAMES;
    std::string DEFAULTPRINTER;
    int PRINTERNO = 1;
    int CURPAGESIZE = 1;
    bool LVERTLINES = true, LHORLINES = true;
    double NTOPMARGIN = 20, NBOTTOMMARGIN = 20, NLEFTMARGIN = 20, NRIGHTMARGIN = 20;
    double NCUSTOMPAPERWIDTH = 0, NCUSTOMPAPERHEIGHT = 0;
    std::vector<std::string> MSGARR;

    const std::string& msg(int position) const { return MSGARR.at(static_cast<std::size_t>(position - 1)); }
    std::string section() const { return WINDOWNAME + "_" + GRIDNAME; }
    bool hasSums() const { return !SUMARR.empty(); }
    bool sumColumn(std::size_t column) const { return column < SUMARR.size() && SUMARR[column].sum; }
};

// Steps of the report operation that need no window: defaults, texts, page
// headers, the rows, the columns, the printer position and the grand totals.
// The caller has checked that there are rows and printers.
ReportState startReport(const ReportRequest& request, const GridSource& grid, std::vector<std::string> printers,
                        std::string defaultPrinter);

// The rows the report would print: the list's rows, else the grid's.
std::size_t rowCount(const ReportRequest& request, const GridSource& grid);

// The cell text of a value: every cell of a list's grid is text already, and
// a text prints as it stands.
inline std::string_view cellText(const ReportState& s, std::size_t row, std::size_t column) {
    return s.ADATA->cell(row, column);
}

// PDFSTRIPCOMMA: the digits and decimal points of a formatted number, "-" in
// front for "-", "DB" or a pair of parentheses; the thousands separator is dropped.
std::string PDFSTRIPCOMMA(std::string_view text, char decimalPoint = '.');
// The number of such a text; an empty text reads as 0.
double plainNumber(std::string_view text);
// A number through a picture of 9s with "," and ".": right-aligned to the
// picture's width, asterisks when it does not fit.
std::string formatPicture(double value, std::string_view picture);

// The merged header rows that pass the check: a row's to column is not below
// its from column, and from the second accepted row on its from column is
// above the to column of the last accepted one. `refused` gets the 1-based
// numbers of the rows left out.
std::vector<MergeRow> checkedMergeRows(const std::vector<MergeRow>& rows, std::vector<int>* refused = nullptr);

// A width in mm with two decimals and no leading blanks: 151.20.
std::string mm2(double value);

}  // namespace gridreport
