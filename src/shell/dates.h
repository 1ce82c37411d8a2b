#pragma once
// Dates between their stored form "yyyymmdd" and the form shown and typed,
// "dd.mm.yyyy". A date that is not set shows as the blank date text.
#include <string>
#include <string_view>

namespace shell {

inline constexpr std::string_view BLANKDATE = "  .  .    ";

// "dd.mm.yyyy" of a stored date; the blank date text when the value is empty,
// blank or no valid calendar date.
std::string shownDate(std::string_view yyyymmdd);
// Whether a stored value is a date: "yyyymmdd" of a valid calendar date.
bool isDate(std::string_view yyyymmdd);
// "yyyymmdd" of a shown date; empty when it is the blank date text or no
// valid calendar date.
std::string storedDate(std::string_view ddmmyyyy);

}  // namespace shell
