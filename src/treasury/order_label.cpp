#include "treasury/order_label.h"

#include "shell/udfs.h"

namespace treasury {

std::string orderLabel(std::string_view id, std::string_view form, std::string_view recipient) {
    return std::string(id) + " (" + std::string(form) + ") " + shell::trimmed(recipient);
}

std::string orderLabel(const TreasuryOrderRow& row) {
    const std::string_view label = row[RowValue::label];
    if (!label.empty()) return std::string(label);
    return orderLabel(row[RowValue::sequence], row[RowValue::form], row[RowValue::recipientName]);
}

}  // namespace treasury
