#pragma once
// The batch of an action on selected payment items, built from what is stored:
// the selected items re-read by ID, so that a file or a status change carries
// what the database holds, not a list that has aged since it was loaded.
#include <optional>
#include <string>
#include <vector>

#include "platform/text/text_table.h"
#include "shell/carried_values.h"

struct sqlite3;

namespace payments {

struct StoredBatch {
    ui::TextTable rows;                  // the stored items as shown, in the order of the lines
    std::optional<std::string> refusal;  // the message that stops the action; empty text: already shown
};

// Re-reads the items on grid `lines` (1-based) of `shown`. Refused, naming
// the first such item, when one is deleted or shown differently now (changed
// since the list was loaded), or when a stored value among `carried` (those
// a file made of the batch carries) does not read; refused with an empty text
// when the query failed (its message is shown).
StoredBatch storedBatch(sqlite3* db, const ui::TextTable& shown, const std::vector<int>& lines,
                        const std::vector<shell::CarriedValue>& carried = {});

// Whether the item on row `row` of `rows` is paid (its payment date is set).
bool isPaid(const ui::TextTable& rows, std::size_t row);

}  // namespace payments
