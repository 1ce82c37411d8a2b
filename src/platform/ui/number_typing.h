#pragma once
// What keys typed into a number box do, one after the other: the text the box
// holds, its caret and its selection after each key.
#include <cstddef>
#include <string>
#include <string_view>

namespace ui::mask {

struct NumberBox {
    std::string text;  // as held: no blanks
    // The selection [from, to), which a key replaces; the caret when they are equal.
    std::size_t from = 0, to = 0;
    // A decimal separator was refused: the digits typed next are its decimals,
    // which the box does not take either, so none of them moves into the whole part.
    bool fractionRefused = false;
};

// Types `keys` into the box key by key. A key that leaves no number fitting
// the mask is refused and changes nothing. A point or a comma is the decimal
// point where the mask has decimals (in a grouped mask the comma is its group
// separator); where the box has no decimals or holds its point already it is
// refused, and so are the digits typed right after it. A digit typed beside a
// whole part that is a lone zero takes its place; a minus sign is refused
// unless `minus`.
void typeNumber(std::string_view mask, bool minus, NumberBox& box, std::string_view keys);

}  // namespace ui::mask
