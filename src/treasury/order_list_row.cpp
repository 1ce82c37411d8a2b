#include "treasury/order_list_row.h"

#include "treasury/order_label.h"

namespace treasury {

std::string orderLabel(const ui::TextTable& rows, std::size_t row) {
    return orderLabel(orderValue(rows, row, order::ID), orderValue(rows, row, order::FORM),
                      orderValue(rows, row, order::RECIPIENTNAME));
}

}  // namespace treasury
