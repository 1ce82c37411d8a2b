#pragma once
// The dialog frmIzvestajNaloziChange, "Податоци за фајлот за Трезор": the
// payer account, the account code, the dates and the folio of the treasury
// orders made from paid items; its confirm stores the orders and writes their
// treasury order file, both or neither.
#include <string>

#include "platform/text/text_table.h"
#include "registers/current_payer.h"

namespace payments {

// Opens the dialog for the items (payment item rows as shown, as stored) of
// the payer; nothing, after its message, when the payer has no account, there
// are no account codes, or the items cannot make orders.
void openPaidOrdersDialog(const std::string& payerId, const registers::CurrentPayer& payer, ui::TextTable items);

}  // namespace payments
