#pragma once
// The recipient's account combo of the order and payment-item edit windows,
// refilled whenever another recipient is chosen.
#include <optional>
#include <string>
#include <vector>

#include "platform/text/text_table.h"
#include "platform/ui/ui.h"

namespace registers {

// Empties the combo; fills it with the recipient's `accounts` (ID, '',
// account), the first chosen, and gives their items; a recipient without
// accounts is named by its message and gives nothing.
std::optional<std::vector<std::string>> showRecipientAccounts(const ui::Ctl& combo, const ui::TextTable& accounts);

}  // namespace registers
