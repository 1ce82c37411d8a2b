#pragma once
// The order list row as every order list shows it: the 25 values of the base
// query with the submission and due dates as "dd.mm.yyyy" (the blank date
// text when not set) and the amount with two decimals right-aligned in 11
// characters. The overview and the report read their rows in this form.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/text_table.h"

namespace treasury {

// Columns of the row, 1-based as the grids count them.
namespace order {
inline constexpr int ID = 1, FORM = 2, SUBMITTED = 3, DUE = 4, DEBITACCOUNT = 5, DEBITSUBACCOUNT = 6,
                     EXPENDITUREKONTO = 7, DEBITPROGRAMME = 8, PURPOSE = 9, OFFICE = 10, AMOUNT = 11,
                     RECIPIENTACCOUNT = 12, RECIPIENTNAME = 13, RECIPIENTSUBACCOUNT = 14, REVENUEKONTO = 15,
                     RECIPIENTPROGRAMME = 16, REFERENCE = 17, METHOD = 18, TAXNUMBER = 19, PAYERID = 20,
                     PAYERACCOUNTID = 21, KONTAID = 22, RECIPIENTID = 23, RECIPIENTACCOUNTID = 24,
                     REVENUEKONTOID = 25;
inline constexpr int COLUMNS = 25;
}  // namespace order

// One value of a row, by its column number above.
inline std::string_view orderValue(const ui::TextTable& rows, std::size_t row, int column) {
    return rows.cell(row, column - 1);
}

// An amount with two decimals, right-aligned in 11 characters; a wider amount
// is shown whole.
std::string shownOrderAmount(std::int64_t cents);

// Rows of the base query as shown. An amount that is no plain number (beyond
// what an order can hold) is shown as stored.
ui::TextTable shownOrderRows(ui::TextTable stored);

// How a message names an order: its ID, form and recipient, "17 (60) Книжарница".
std::string orderLabel(const ui::TextTable& rows, std::size_t row);

}  // namespace treasury
