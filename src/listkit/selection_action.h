#pragma once
// The first and the last step of an action on a list's selected rows: the
// selection it takes, and the change of the rows after which the window closes
// (it is reopened to see the result).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/list_state.h"
#include "shell/row_changes.h"

namespace listkit {

// The selected lines (1-based, top to bottom); none selected: the message
// "no row selected" and nothing.
std::optional<std::vector<int>> selectedLines(const ListState& s);

// The change of the rows in one transaction, when `question` (if not empty)
// is answered Yes after "Дали сте сигурни?" on a line of its own; `success`
// (if not empty) shown when the change went through; then the window closes.
void changeAndClose(const std::string& window, const shell::RowChange& change, std::string_view question,
                    std::string_view success);

}  // namespace listkit
