#pragma once
// Input masks of masked boxes: "9" takes a digit, "!" any character shown in
// upper case; every other mask character stands literally in the text.
// Positions count characters (UTF-8 aware), not bytes.
#include <optional>
#include <string>
#include <string_view>

namespace ui::mask {

// The text a masked box holds when nothing is typed: blanks, literals in place.
std::string blank(std::string_view mask);

// Types `typed` over `text` from character position `from`, as keystrokes do:
// a character the position refuses is dropped, literals are stepped over, and
// what stands after the last typed position is kept. The literal that ends a
// part of two digits, typed after its first digit, closes the part with a
// leading zero (5.3. types 05.03.). Returns the new text; the
// caret position after typing goes to `caret` when given.
std::string typeOver(std::string_view mask, std::string_view text, std::string_view typed,
                     std::size_t from = 0, std::size_t* caret = nullptr);

// Blanks the input positions in [from, to), literals kept.
std::string clear(std::string_view mask, std::string_view text, std::size_t from, std::size_t to);

// Removes the character at input position `at`: the characters after it, up to
// the next literal, move one position to the left and the last becomes blank
// (a character its new position refuses becomes blank too).
std::string removeAt(std::string_view mask, std::string_view text, std::size_t at);

// The input position before `pos` (skipping literals), or at/after it; nullopt when none.
std::optional<std::size_t> inputBefore(std::string_view mask, std::size_t pos);
std::optional<std::size_t> inputFrom(std::string_view mask, std::size_t pos);

// Where typing goes on when the caret is put after the text: after the last
// input position that holds a character, or the first input position of a box
// that holds none (literals such as the points of a date do not count).
std::size_t textEnd(std::string_view mask, std::string_view text);

// Whether mask position character `m` takes character `c` (one UTF-8 character).
bool accepts(char m, std::string_view c);

// Upper case of one UTF-8 character (Latin and Cyrillic), unchanged otherwise.
std::string upper(std::string_view c);

}  // namespace ui::mask

namespace ui::mask {

// Number masks: "9" digit positions, one optional "." before the decimals,
// "," group separators. The text of `value` through the mask, right-aligned to
// the mask's width; std::nullopt when the value is too wide for it.
std::optional<std::string> formatNumber(std::string_view mask, double value);
// Whether `text` may stand in a number box while it is typed: digits, a "-"
// first, one "." when the mask has decimals, "," in grouped masks, and no more
// digits before or after the point than the mask holds. No blanks.
bool typableNumber(std::string_view mask, std::string_view text);
// The text a number box holds after typing made it `text`: a leading zero
// that a digit follows goes, so it never counts toward the digits ("012" holds
// "12"); std::nullopt when the result is not typable. `caret`, when given, is
// moved left by the characters taken out before it.
std::optional<std::string> typedNumber(std::string_view mask, std::string_view text, int* caret = nullptr);
// Whether `text` reads as a number that fits the mask; blanks around it are
// ignored and the empty text reads 0.
bool fitsNumber(std::string_view mask, std::string_view text);
// The number a number box shows: 0 when the text is not a number that fits.
double parseNumber(std::string_view mask, std::string_view text);

}  // namespace ui::mask
