#pragma once
// The treasury orders report's one change: selected submitted orders back to
// unsubmitted, acting on what is stored rather than on the list, which may
// have aged since it was loaded.
#include <optional>
#include <vector>

#include "platform/text/text_table.h"
#include "shell/row_changes.h"

struct sqlite3;

namespace treasury {

// The orders on grid `lines` (1-based) of `shown` back to unsubmitted, each
// by its ID and only while it is stored submitted on the date shown. An order
// deleted or submitted otherwise since (edited, then sent again) changes
// nothing, and the whole change is refused naming it. Nothing when a line
// shows an unsubmitted order.
std::optional<shell::RowChange> unsubmitChange(sqlite3* db, const ui::TextTable& shown, const std::vector<int>& lines);

}  // namespace treasury
