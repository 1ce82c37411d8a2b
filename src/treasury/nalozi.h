#pragma once
// The order list window frmNalozi and its edit window frmNaloziChange share
// the order window's state: the form, the chosen payer and its fields.
#include <memory>
#include <string>

#include "listkit/list_state.h"
#include "platform/text/text_table.h"
#include "registers/current_payer.h"

namespace treasury {

// Owned by frmNalozi while it is open.
struct OrderWindow {
    std::string COBRAZEC;      // the form code
    std::string CVIDNATREZOR;  // its treasury kind
    ui::TextTable payers;      // the payer combo's rows: ID, ID, name and seat
    std::string MISPLAKJACIID;
    registers::CurrentPayer payer;
    std::weak_ptr<listkit::ListState> list;  // the list owns this state, through its load
};

// Makes the payer the chosen one, loads its fields and reloads the list.
void NALOZIGETDATA(OrderWindow& orders, const std::string& payerId);
// Adds (isNew) or edits the selected order in frmNaloziChange.
void NaloziChange(const std::shared_ptr<OrderWindow>& orders, bool isNew);

}  // namespace treasury
