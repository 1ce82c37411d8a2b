#pragma once
// A new .xlsx workbook of one sheet, filled cell by cell and saved once.
// Rows and columns are 1-based; cells go in row by row, rows in ascending
// order, so that a sheet of 100,000 rows is streamed to disk instead of held.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace spreadsheet {

// The most characters a cell holds, as the sheet counts them: a character
// beyond the 16-bit range counts twice.
constexpr std::size_t cellLimit = 32767;

// The text as the file stores it for a cell: a text that reads as the
// format's escape of a character ("_x000D_") gets its underscore escaped, so
// that the cell shows the text itself.
std::string cellText(std::string_view text);

// Whether the text, as the file stores it, fits into one cell.
bool fitsCell(std::string_view text);

struct Style {
    std::string font = "Arial";
    double points = 12;
    bool bold = false;
    std::string numberFormat;           // "@" keeps every value as text
    std::optional<std::uint32_t> fill;  // 0xRRGGBB, solid
    bool bottomBorder = false;          // thin, continuous
};

class Workbook {
public:
    explicit Workbook(std::string path);
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // A style to pass to the calls below; 0 is the sheet's default.
    int style(const Style& s);
    // Width in characters of the default font, and the style of every cell of
    // the columns that no cell overrides. Before any cell is written.
    void columns(int first, int last, double width, int style);
    // The style of every cell of the row that no cell overrides; before the row's cells.
    void rowStyle(int row, int style);
    // Keeps the first `rows` rows and `columns` columns in view.
    void freeze(int rows, int columns);
    // A text that does not fit into a cell fails the workbook.
    void text(int row, int column, std::string_view value, int style);

    // Writes the file under a temporary name in its folder and renames it into
    // place; false (and no file) when it could not be written.
    bool save();

private:
    std::string path_, partial_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::vector<lxw_format*> styles_{nullptr};
    bool failed_ = false;
};

}  // namespace spreadsheet
