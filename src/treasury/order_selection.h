#pragma once
// What the treasury orders overview and report share: the tables they read,
// their payer combo above the grid, the orders shown in their grid, the
// selection totals ONSELECTGRIDIZVESTAJTREZOR, and the account and recipient
// combos of their filter dialogs whose empty first item means no condition.
#include <memory>
#include <string>
#include <vector>

#include "listkit/list_state.h"
#include "listkit/selection_totals.h"
#include "listkit/selection_window.h"
#include "platform/text/text_table.h"
#include "registers/edit_window.h"
#include "registers/payer_selection.h"
#include "treasury/order_filters.h"

namespace treasury {

// The payers with their accounts, the recipients, the account codes and the orders.
std::vector<std::string> orderTablesCreate();

// The window of orders: the list frame with the order captions and the
// selection totals of its grid, the payer label and combo above the grid
// (lbl<payer>, cb<payer>) before the window's own controls; `load` shows a
// payer's orders, on a change of the payer and when the window opens with the
// chosen one.
struct OrderSelectionSpec {
    listkit::SelectionWindowSpec frame;
    std::string payer;
    std::function<void(const std::string& payerId)> load;
};
void openOrderSelectionWindow(const std::shared_ptr<registers::PayerSelection>& state, OrderSelectionSpec definition);

// Stored order rows into the grid as shown, with their load order and every
// sort state reset; then the layout.
void showOrders(listkit::ListState& s, ui::TextTable stored);

// ONSELECTGRIDIZVESTAJTREZOR: the count and the total (cents) of the selected
// lines' amounts; the boxes show the total in whole denars.
listkit::SelectionTotals ONSELECTGRIDIZVESTAJTREZOR(const listkit::ListState& s);

// A filter combo: one empty item, then the lookup rows' items; a position
// above 1 leads to the row's ID, anything else to none.
struct FilterCombo {
    ui::TextTable rows;
    std::vector<std::string> items;
    std::string idAt(int position) const;
};
FilterCombo filterCombo(const std::string& query);
extern const char* const RECIPIENTROWS;

// The payer's accounts and the recipients, read (recipients first) when a
// filter dialog opens.
struct OrderFilterCombos {
    FilterCombo recipients, accounts;
};
OrderFilterCombos orderFilterCombos(const std::string& payerId);

// The labelled combos cb<prefix>IsplakjaciZiroSmetki and cb<prefix>PrimaciOpis
// of the dialog, none chosen.
void addOrderFilterCombos(const std::string& dialog, const std::string& prefix, const OrderFilterCombos& combos);

// The account and recipient chosen in them into the filter.
void readOrderFilterCombos(const std::string& dialog, const std::string& prefix, const OrderFilterCombos& combos,
                           OrderFilter& filter);

}  // namespace treasury
