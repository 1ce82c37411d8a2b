#pragma once
// Grid cells of the registers: the numbers an edit window reads back from the
// selected line, and the 0/1 flags a list shows as ticks.
#include <string_view>

#include "platform/text/text_table.h"

namespace registers {

// The whole number a cell holds, leading blanks allowed ("  5" is 5); 0 for
// an empty cell or one that holds no number.
int numberIn(std::string_view cell);

// The sub-revenue list as shown: its personal-tax column (9) as "v" for 1,
// " " for 0 and empty for any other value.
void showSubRevenueTicks(ui::TextTable& rows);

}  // namespace registers
