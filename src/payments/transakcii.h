#pragma once
// The payment item list window frmTransakcii: a payer chosen in a combo and
// that payer's items in every payment state. TRANSAKCII (the entry) is in
// shell/entries.h.
#include <memory>
#include <string>

#include "listkit/list_state.h"
#include "platform/text/text_table.h"
#include "registers/current_payer.h"

namespace payments {

// The window's state beside its list state, owned by the window while it is
// open; the edit window reads the chosen payer from it.
struct ItemsWindow {
    ui::TextTable payers;        // ID, ID, name and seat
    std::string MISPLAKJACIID;   // the chosen payer
    registers::CurrentPayer payer;
};

// Makes the payer the chosen one and loads its items.
void TRANSAKCIIGETDATA(ItemsWindow& window, const std::shared_ptr<listkit::ListState>& list,
                       const std::string& payerId);

// The edit window for a new item or the selected one (transakcii_change.cpp).
void TransakciiChange(const std::shared_ptr<ItemsWindow>& window, const std::shared_ptr<listkit::ListState>& list,
                      bool isNew);

}  // namespace payments
