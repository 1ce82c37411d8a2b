#pragma once
// Finding a row by the text typed into the search strip, and moving the
// selection line by line: what the strip's controls compute, without a window.
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"

namespace listkit {

// The first line (1-based) whose cell in `column` begins with the text, both
// upper-cased; failing that, the first whose cell contains it; 0 when none
// does, or when the text is blank. The text is taken as typed, blanks included.
int findLine(const ui::TextTable& rows, int column, std::string_view text);

enum class Move { First, Previous, Next, Last };

// The line a move selects, 0 when the selection stays: First and Last select
// one line whatever was selected; Previous and Next move a single selected line.
int moveTo(Move move, int lineCount, const std::vector<int>& selection);

}  // namespace listkit
