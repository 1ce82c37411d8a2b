#pragma once
// The payer list frmIsplakjaci and its tabbed edit window frmIsplakjaciChange.
// ISPLAKJACI (the entry) is in shell/entries.h, ISPLAKJACICITAJ in
// registers/current_payer.h.
#include <memory>

#include "listkit/list_state.h"

namespace registers {

// Opens the modal add (isNew) or edit window over the list.
void IsplakjaciChange(const std::shared_ptr<listkit::ListState>& list, bool isNew);
// Deletes the selected payers that neither an account nor an order names.
void IsplakjaciDelete(const std::shared_ptr<listkit::ListState>& list);

}  // namespace registers
