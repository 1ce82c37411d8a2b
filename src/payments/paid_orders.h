#pragma once
// Treasury orders from paid payment items: two orders per item, the net amount
// to the recipient and the personal income tax to the treasury, as the rows
// stored in Nalozi and as the rows of the treasury order file. Pure row
// building; the report's dialog runs the statements and the file writer.
#include <optional>
#include <string>
#include <vector>

#include "platform/text/text_table.h"
#include "registers/current_payer.h"
#include "treasury/order_row.h"

namespace payments {

struct PaidOrdersInput {
    std::string payerId;  // the report's payer
    registers::CurrentPayer payer;
    std::string accountId, accountNumber;  // the payer giro account chosen in the dialog
    std::string kontoCode;                 // code of the account code chosen in the dialog
    std::string submissionDate, processingDate, dueDate;  // yyyymmdd
    std::string folio;
    // Treasury parameters: the two treasury accounts and the two parts of the
    // personal-tax payment account that stand around a municipality code.
    std::string treasuryAccountRM, treasuryAccountFZOM, taxAccount1, taxAccount2;
};

// The statement that stores one order, prepared once for all of them: ?1 to
// ?24 take one row of PaidOrders::orders.
extern const char* const naloziInsert;
inline constexpr std::size_t naloziColumns = 24;

struct PaidOrders {
    std::optional<std::string> refusal;  // the message that stops the action; then nothing else
    ui::TextTable orders{naloziColumns};  // naloziInsert's values: net and tax order of each item
    treasury::TreasuryFileInput file;    // the batch for NAPRAVIFAJL(Mode::N, ...)
};

// The message that refuses `items` selected items, whose two orders each one
// file cannot hold, or nothing; asked before anything else about them.
std::optional<std::string> paidOrdersSizeRefusal(std::size_t items);

// The orders of `items` (payment item rows as shown), in their order: net 1,
// tax 1, net 2, tax 2, ... Refused before anything is built: more orders than
// one file holds, an item whose recipient has no municipality (it is part of
// the personal-tax payment account), and whatever the treasury file writer
// would refuse.
PaidOrders paidOrders(const PaidOrdersInput& in, const ui::TextTable& items);

}  // namespace payments
