#pragma once
// Amounts of treasury orders: int64 cents, and the two forms they are written in.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace treasury {

// The largest amount the file's 15 integer digits hold: 999999999999999,99.
inline constexpr std::int64_t maxFileCents = 99'999'999'999'999'999;
// Whether a file row's amount can be written: none below zero, none beyond the digits.
inline constexpr bool fileHolds(std::int64_t cents) { return cents >= 0 && cents <= maxFileCents; }

// A decimal text as cents, in integer arithmetic: an optional "-", digits,
// optionally "." and more digits, blanks around it allowed; rounded half away
// from zero at the third decimal. Nothing for any other text (a comma, an
// exponent, letters). An integer part beyond any file's reach gives a value
// above maxFileCents (or its negative), so that it is refused with the others.
std::optional<std::int64_t> parseCents(std::string_view text);

// The amount format of the treasury order file (19 bytes): "+", 15 integer
// digits, ",", 2 cent digits. For 0 to maxFileCents.
std::string amountField(std::int64_t cents);
// The same written into `text`; returns its length.
std::size_t amountDigits(char (&text)[24], std::int64_t cents);

// Whole denars of cents, halves away from zero.
std::int64_t wholeDenars(std::int64_t cents);

// The whole-number picture "999999999" of the order specification: rounded
// half away from zero, right-aligned in nine characters, nine asterisks when
// it does not fit.
std::string wholeAmount9(std::int64_t cents);

// The amount with two decimals ("-1234.50"), right-aligned in `width`
// characters; a longer amount is shown whole, never cut.
std::string amountText(std::int64_t cents, std::size_t width = 0);

}  // namespace treasury
