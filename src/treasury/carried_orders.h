#pragma once
// The stored orders' values that the treasury order file carries, checked
// before a batch is built from them.
#include <optional>
#include <string>

#include "platform/text/text_table.h"

namespace treasury {

// The refusal for the first stored order (rows of the base query as stored)
// whose amount is no decimal number or is read without its cents (10^13 and
// beyond), or whose due date is no date, naming the value and the order by its
// ID, form and recipient; nothing when all read.
std::optional<std::string> unreadableOrderValue(const ui::TextTable& stored);

}  // namespace treasury
