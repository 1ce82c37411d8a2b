#include "treasury/order_list_row.h"

#include "shell/dates.h"
#include "shell/udfs.h"
#include "treasury/amounts.h"

namespace treasury {

std::string shownOrderAmount(std::int64_t cents) {
    const std::int64_t magnitude = cents < 0 ? -cents : cents;
    std::string cent = std::to_string(magnitude % 100);
    if (cent.size() < 2) cent.insert(0, 1, '0');
    std::string text = (cents < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." + cent;
    if (text.size() < 11) text.insert(0, 11 - text.size(), ' ');
    return text;
}

ui::TextTable shownOrderRows(ui::TextTable rows) {
    for (std::size_t r = 0; r < rows.rows(); ++r) {
        for (int column : {order::SUBMITTED, order::DUE})
            rows.setCell(r, column - 1, shell::shownDate(orderValue(rows, r, column)));
        if (const auto cents = parseCents(orderValue(rows, r, order::AMOUNT)))
            rows.setCell(r, order::AMOUNT - 1, shownOrderAmount(*cents));
    }
    return rows;
}

std::string orderLabel(const ui::TextTable& rows, std::size_t row) {
    return std::string(orderValue(rows, row, order::ID)) + " (" + std::string(orderValue(rows, row, order::FORM)) +
           ") " + shell::trimmed(orderValue(rows, row, order::RECIPIENTNAME));
}

}  // namespace treasury
