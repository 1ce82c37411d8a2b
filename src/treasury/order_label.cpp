#include "treasury/order_label.h"

#include "shell/udfs.h"

namespace treasury {

std::string orderLabel(std::string_view id, std::string_view form, std::string_view recipient) {
    return std::string(id) + " (" + std::string(form) + ") " + shell::trimmed(recipient);
}

std::string orderLabel(const TreasuryOrderRow& row) {
    return row.label.empty() ? orderLabel(row.sequence, row.form, row.recipientName) : row.label;
}

}  // namespace treasury
