#pragma once
// Printers and paper, and how wide a text is on paper. Plain C++ interface;
// the implementation asks the system's printing.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print/document.h"

namespace print {

// The built-in printer that prints to a PDF file. It is the only printer when
// the system has none, as desktop systems commonly provide.
inline constexpr std::string_view pdfPrinter = "PDF";

// The installed printers in the system's order.
std::vector<std::string> printerNames();
std::string defaultPrinter();

// The paper of a set-up as its printer reports it, in mm, in the set-up's
// orientation: the whole sheet and the printable area within it.
struct PageArea {
    double width = 0, height = 0;
    double printableCol = 0, printableRow = 0;  // offset of the printable area from the paper's edge
    double printableWidth = 0, printableHeight = 0;
};

// Configures the set-up's printer (empty: the default printer) for its
// orientation and paper, one copy, every other property as the printer has it.
// Nothing when the printer is not there or refuses the paper or orientation.
std::optional<PageArea> pageArea(const PageSetup& setup);

// The width of the text on paper in mm.
double textWidth(std::string_view text, const Font& font);

// Widths of many texts in one font, without setting the font up for each.
class FontMetrics {
public:
    explicit FontMetrics(const Font& font);
    ~FontMetrics();
    FontMetrics(const FontMetrics&) = delete;
    FontMetrics& operator=(const FontMetrics&) = delete;
    // As textWidth: the width of the text on paper in mm.
    double width(std::string_view text) const;
    // The width of one character on its own, in mm.
    double characterWidth(char32_t c) const;

private:
    struct Qt;
    std::unique_ptr<Qt> qt_;
    double size_;
};

}  // namespace print
