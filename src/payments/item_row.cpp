#include "payments/item_row.h"

#include <charconv>
#include <optional>

#include "shell/dates.h"
#include "shell/udfs.h"

namespace payments {

namespace {

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    std::int64_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data() + start, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

bool isDate(std::size_t column) {
    return column + 1 == item::PAID || column + 1 == item::PERIODFROM || column + 1 == item::PERIODTO ||
           column + 1 == item::DECISIONDATE;
}

bool isAmount(std::size_t column) { return column + 1 >= item::ADVANCE && column + 1 <= item::VAT; }

}  // namespace

std::string shownAmount(std::string_view stored) { return shownAmount(wholeNumber(stored).value_or(0)); }

std::string shownAmount(std::int64_t amount) {
    const std::string digits = std::to_string(amount);
    if (digits.size() > 9) return std::string(9, '*');
    return std::string(9 - digits.size(), ' ') + digits;
}

std::int64_t amountOf(std::string_view shown) { return wholeNumber(shown).value_or(0); }

bool readableAmount(std::string_view stored) {
    if (stored.empty()) return true;
    const auto amount = wholeNumber(stored);
    return amount && std::to_string(*amount).size() <= 9;
}

std::string itemLabel(const ui::TextTable& rows, std::size_t row) {
    return std::string(itemValue(rows, row, item::ID)) + " " + shell::trimmed(itemValue(rows, row, item::FIRSTNAME)) +
           " " + shell::trimmed(itemValue(rows, row, item::SURNAME));
}

ui::TextTable shownItemRows(const ui::TextTable& stored) {
    ui::TextTable shown(stored.columns());
    shown.reserve(stored.rows());
    for (std::size_t r = 0; r < stored.rows(); ++r) {
        shown.beginRow();
        for (std::size_t c = 0; c < stored.columns(); ++c) {
            const std::string_view value = stored.cell(r, c);
            if (isDate(c))
                shown.appendCell(shell::shownDate(value));
            else if (isAmount(c))
                shown.appendCell(shownAmount(value));
            else
                shown.appendCell(value);
        }
        shown.endRow();
    }
    return shown;
}

}  // namespace payments
