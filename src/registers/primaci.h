#pragma once
// The recipient list frmPrimaci and its tabbed edit window frmPrimaciChange.
// PRIMACI (the entry) is in shell/entries.h.
#include <memory>

#include "listkit/list_state.h"

namespace registers {

// Opens the modal add (isNew) or edit window over the list.
void PrimaciChange(const std::shared_ptr<listkit::ListState>& list, bool isNew);
// Deletes the selected recipients that neither an account nor an order names.
void PrimaciDelete(const std::shared_ptr<listkit::ListState>& list);

}  // namespace registers
