#pragma once
// How every message names an order: its ID, form and recipient.
#include <string>
#include <string_view>

#include "treasury/order_row.h"

namespace treasury {

// "17 (60) Книжарница": the ID, the form in brackets, the trimmed recipient.
std::string orderLabel(std::string_view id, std::string_view form, std::string_view recipient);

// A treasury order row by the label of its stored order; a row that no stored
// order stands behind (yet) by its sequence number in the file.
std::string orderLabel(const TreasuryOrderRow& row);

}  // namespace treasury
