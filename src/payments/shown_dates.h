#pragma once
// Dates of payment item rows as the lists show them, "dd.mm.yyyy", read back.
#include <optional>
#include <string>
#include <string_view>

namespace payments {

// "yyyymmdd" of a shown date that names a day of the calendar; nothing for
// the blank date text "  .  .    " or anything else.
std::optional<std::string> storedDate(std::string_view shown);

}  // namespace payments
