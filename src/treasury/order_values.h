#pragma once
// The values of a payment order between the table, the order list and the
// edit window: the list's shown row, the row the save writes by form set, the
// save's checks and its statement.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text/text_table.h"
#include "shell/refusal.h"
#include "treasury/order_forms.h"

namespace treasury {

// The order list's width of the amount column, in characters.
inline constexpr std::size_t LISTAMOUNTWIDTH = 11;

// The orders of one form and payer, as the list loads them (25 values).
std::string orderListQuery(const std::string& formCode, const std::string& payerId);

// Turns loaded rows into the list's rows: the submission and due dates (values
// 3 and 4) as "dd.mm.yyyy", the amount (value 11) with two decimals,
// right-aligned in one width for the whole list: the list's amount width, or
// the widest amount's when that is wider, so that the amounts sort as text in
// the order of their values.
void shapeOrderRows(ui::TextTable& rows);
// The same with the amounts right-aligned in `amountWidth`, as a list already
// shown has them (a wider amount is shown whole).
void shapeOrderRows(ui::TextTable& rows, std::size_t amountWidth);
// One loaded value of `column` (1-based) as shapeOrderRows shows it, appended to `out`.
void appendShownValue(int column, std::string_view value, std::size_t amountWidth, std::string& out);

// The recipient's registration or identity-card number as the cash forms
// write it: characters 1-6 into the account-code box, 7-8 into the programme.
std::pair<std::string, std::string> identityParts(std::string_view number);

// What the save reads from the edit window and its state.
struct OrderEntry {
    std::string formCode;
    std::string dueDate;         // yyyymmdd, blanks when empty
    std::string debitedAccount;  // the treasury account debited
    std::string payerAccountId, payerAccount;
    std::string kontoId, konto;  // the expenditure account code
    std::string programme, purpose, office;
    std::int64_t cents = 0;
    std::string payerId, payerTaxNumber, method;
    // The recipient chosen in its combo: its ID and "first name surname place".
    std::string recipientId, recipientName;
    std::string recipientAccountId, recipientAccount;  // its chosen account, if any
    std::string revenueKontoId, revenueKonto;          // the chosen revenue account code
    std::string payeeAccount;                          // the treasury account paid into (levies, 76)
    // The typed boxes.
    std::string accountBox, nameBox, subAccountBox, kontoBox, programmeBox, reference;
    std::string initialSubAccount;  // the recipient sub-account the window opened with
    bool recipientWithoutAccount = false;
};

// The 24 columns after ID, in table order.
extern const std::vector<std::string> ORDERCOLUMNS;

// The stored values of the order, by its form set: always unsubmitted.
std::vector<std::string> orderColumns(const OrderEntry& entry);

// The first check the order fails, with the control it is about; nothing when it passes.
std::optional<shell::Refusal> orderRefusal(const OrderEntry& entry);

// The insert of a new order (empty ID) or the update of the order with that ID.
std::string orderStatement(const std::vector<std::string>& values, const std::string& id);

}  // namespace treasury
