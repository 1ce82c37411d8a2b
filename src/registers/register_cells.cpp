#include "registers/register_cells.h"

#include <charconv>
#include <optional>

#include "shell/udfs.h"

namespace registers {

namespace {

std::optional<int> wholeNumber(std::string_view cell) {
    const std::size_t start = cell.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    int value = 0;
    const char* last = cell.data() + cell.size();
    const auto [end, error] = std::from_chars(cell.data() + start, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

}  // namespace

int numberIn(std::string_view cell) { return wholeNumber(cell).value_or(0); }

void showSubRevenueTicks(ui::TextTable& rows) {
    constexpr std::size_t personalTax = 8;
    for (std::size_t r = 0; r < rows.rows(); ++r) {
        const auto flag = wholeNumber(rows.cell(r, personalTax));
        rows.setCell(r, personalTax, flag ? shell::CHKINTTOCH(*flag) : std::string());
    }
}

}  // namespace registers
