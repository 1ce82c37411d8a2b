#include "treasury/order_list_row.h"

#include "shell/udfs.h"

namespace treasury {

std::string orderLabel(const ui::TextTable& rows, std::size_t row) {
    return std::string(orderValue(rows, row, order::ID)) + " (" + std::string(orderValue(rows, row, order::FORM)) +
           ") " + shell::trimmed(orderValue(rows, row, order::RECIPIENTNAME));
}

}  // namespace treasury
