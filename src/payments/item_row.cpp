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

std::string recipientName(const ui::TextTable& rows, std::size_t row) {
    std::string name(shell::trimmedName(itemValue(rows, row, item::FIRSTNAME)));
    name += ' ';
    name += shell::trimmedName(itemValue(rows, row, item::SURNAME));
    return name;
}

std::string itemLabel(const ui::TextTable& rows, std::size_t row) {
    return std::string(itemValue(rows, row, item::ID)) + " " + recipientName(rows, row);
}

ui::TextTable shownItemRows(ui::TextTable rows) {
    rows.reshapeRows([](std::size_t c, std::string_view value, std::string& out) {
        if (isDate(c))
            out += shell::shownDate(value);
        else if (isAmount(c))
            out += shownAmount(value);
        else
            out += value;
    });
    return rows;
}

}  // namespace payments
