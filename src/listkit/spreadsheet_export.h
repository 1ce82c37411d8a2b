#pragma once
// The workbook of a list: the window's title in A1 (bold), the captions in row
// 3 (bold, on the header colour, with a bottom border), the lines from row 4,
// every value as text in Arial 12, the first row frozen and every column as
// wide as its content.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/export_table.h"

namespace listkit {

// The width of each column, in characters of the sheet's standard font,
// fitted to the longest text of the column (the title counts in column 1).
std::vector<double> fittedWidths(std::string_view title, const ExportTable& table);

// The first cell of the lines, 1-based in the list, whose text is longer than
// a sheet's cell holds: a cut text would lose what the CSV export keeps.
struct CellPlace {
    std::size_t line = 0, column = 0;
};
std::optional<CellPlace> overlongCell(const ExportTable& table);

// False when the file could not be written; then there is no file.
bool writeSpreadsheet(const std::string& path, std::string_view title, const ExportTable& table);

// "<title>_<timestamp>.xlsx", with the characters a file name cannot hold
// replaced by "_".
std::string spreadsheetFileName(std::string_view title, std::string_view timestamp);

}  // namespace listkit
