#include "listkit/spreadsheet_export.h"

#include <algorithm>
#include <string_view>

#include "platform/spreadsheet/workbook.h"

namespace listkit {

namespace {

constexpr int lastSheetColumn = 16384;
constexpr double standardWidth = 8.43;
// Arial 12 is wider than the sheet's standard font, whose characters the
// column widths count.
constexpr double arial12PerCharacter = 1.3;
constexpr double maxWidth = 255;
// Colour index 38 of the spreadsheet's standard palette.
constexpr std::uint32_t headerColour = 0xFF99CC;

std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::size_t columnCount(const ExportTable& t) { return std::max(t.captions.size(), t.lines.columns()); }

}  // namespace

std::vector<double> fittedWidths(std::string_view title, const ExportTable& table) {
    std::vector<std::size_t> longest(columnCount(table), 0);
    if (!longest.empty()) longest[0] = characters(title);
    for (std::size_t c = 0; c < table.captions.size(); ++c)
        longest[c] = std::max(longest[c], characters(table.captions[c]));
    for (std::size_t r = 0; r < table.lines.rows(); ++r)
        for (std::size_t c = 0; c < table.lines.columns(); ++c)
            longest[c] = std::max(longest[c], characters(table.lines.cell(r, c)));
    std::vector<double> widths;
    for (std::size_t n : longest)
        widths.push_back(n == 0 ? standardWidth : std::min(maxWidth, static_cast<double>(n) * arial12PerCharacter + 1));
    return widths;
}

std::optional<CellPlace> overlongCell(const ExportTable& table) {
    for (std::size_t r = 0; r < table.lines.rows(); ++r)
        for (std::size_t c = 0; c < table.lines.columns(); ++c)
            if (!spreadsheet::fitsCell(table.lines.cell(r, c))) return CellPlace{r + 1, c + 1};
    return std::nullopt;
}

bool writeSpreadsheet(const std::string& path, std::string_view title, const ExportTable& table) {
    spreadsheet::Workbook book(path);
    const spreadsheet::Style text{.numberFormat = "@"};
    spreadsheet::Style bold = text;
    bold.bold = true;
    spreadsheet::Style caption = bold;
    caption.fill = headerColour;
    caption.bottomBorder = true;
    const int textStyle = book.style(text), boldStyle = book.style(bold), captionStyle = book.style(caption);

    const std::vector<double> widths = fittedWidths(title, table);
    for (std::size_t c = 0; c < widths.size(); ++c)
        book.columns(static_cast<int>(c) + 1, static_cast<int>(c) + 1, widths[c], textStyle);
    if (static_cast<int>(widths.size()) < lastSheetColumn)
        book.columns(static_cast<int>(widths.size()) + 1, lastSheetColumn, standardWidth, textStyle);
    book.freeze(1, 0);

    book.text(1, 1, title, boldStyle);
    int row = 3;
    if (!table.captions.empty()) {
        book.rowStyle(row, boldStyle);
        for (std::size_t c = 0; c < table.captions.size(); ++c)
            book.text(row, static_cast<int>(c) + 1, table.captions[c], captionStyle);
        ++row;
    }
    for (std::size_t r = 0; r < table.lines.rows(); ++r, ++row)
        for (std::size_t c = 0; c < table.lines.columns(); ++c)
            book.text(row, static_cast<int>(c) + 1, table.lines.cell(r, c), textStyle);
    return book.save();
}

std::string spreadsheetFileName(std::string_view title, std::string_view timestamp) {
    std::string name;
    for (char c : title) {
        const bool unfit =
            static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += unfit ? '_' : c;
    }
    return name + "_" + std::string(timestamp) + ".xlsx";
}

}  // namespace listkit
