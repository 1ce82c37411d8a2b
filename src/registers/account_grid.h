#pragma once
// The giro-account page of the payer and recipient edit windows: the account
// grid, held in memory until the record is saved, its Add, Edit and Delete
// buttons, and the small window that takes one account.
#include <string>
#include <vector>

#include "platform/text/text_table.h"
#include "registers/giro_accounts.h"

namespace registers {

struct AccountPage {
    std::string window;  // the edit window, frmIsplakjaciChange
    std::string tab;     // its tab control
    int page = 0;
    std::string name;     // Isplakjaci: grdIsplakjaci2, frmIsplakjaci2Change, txtIsplakjaci2ZiroSmetka
    std::string tooltip;  // of the account box
    // Recipients: a new account starts as the box's 15 blanks and keeps those
    // it was typed over. Payers: it starts empty, so the box's padding is no
    // part of it.
    bool keepBlanks = false;
    AccountTables tables;
};

// Adds the page's controls with the stored account rows (ID, number).
void addAccountPage(const AccountPage& page, ui::TextTable stored);

// The account numbers of the grid, first to last.
std::vector<std::string> gridAccounts(const AccountPage& page);

}  // namespace registers
