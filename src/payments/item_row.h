#pragma once
// The payment item row as every payment list shows it: the 36 values of the
// base query with its four dates as "dd.mm.yyyy" and its six amounts as whole
// numbers right-aligned in 9 characters. The edit window, the overview, the
// report and the revenue-office file read the rows in this form.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/text_table.h"

namespace payments {

// Columns of the row, 1-based as the grids count them.
namespace item {
inline constexpr int ID = 1, PAID = 2, PERIODFROM = 3, PERIODTO = 4;
inline constexpr int REVENUETYPECODE = 7, SUBREVENUECODE = 9, PAYMENTTYPECODE = 11;
inline constexpr int FIRSTNAME = 12, SURNAME = 13, EMBG = 14, MUNICIPALITYCODE = 15, RECIPIENTACCOUNT = 16;
inline constexpr int ADVANCE = 17, GROSS = 18, DEDUCTIONS = 19, TAX = 20, NET = 21, VAT = 22;
inline constexpr int DECISIONNUMBER = 23, DECISIONDATE = 24, NOTE = 25;
inline constexpr int PAYERACCOUNTID = 26, RECIPIENTACCOUNTID = 27, REVENUETYPEID = 28, SUBREVENUEID = 29,
                     CALCULATIONTYPEID = 30, PAYMENTTYPEID = 31, RECIPIENTID = 32;
// The sub-revenue's account code, programme and the two parts of its
// personal-tax payment account.
inline constexpr int REVENUEKONTO = 33, RECIPIENTPROGRAMME = 34, TAXACCOUNT1 = 35, TAXACCOUNT2 = 36;
inline constexpr int COLUMNS = 36;
}  // namespace item

// A stored amount right-aligned in 9 characters without decimals: an empty
// value or one that is no whole number gives 0, one wider than 9 characters
// nine asterisks.
std::string shownAmount(std::string_view stored);
std::string shownAmount(std::int64_t amount);
// The whole number of an amount as shown (leading blanks); 0 when it is none.
std::int64_t amountOf(std::string_view shown);
// Whether a stored amount is shown as what it is: empty (0) or a whole number
// that fits the 9 characters, not a text, a fraction or an exponent read as 0.
bool readableAmount(std::string_view stored);

// One value of a row, by its column number above.
inline std::string_view itemValue(const ui::TextTable& rows, std::size_t row, int column) {
    return rows.cell(row, column - 1);
}
// The recipient's first name, a blank and the surname, each trimmed as a name.
std::string recipientName(const ui::TextTable& rows, std::size_t row);
// How a message names an item: its ID and its recipient, "12 Ана Петрова".
std::string itemLabel(const ui::TextTable& rows, std::size_t row);

// Rows of the base query as shown: the dates 2, 3, 4 and 24 each converted
// from its own stored value, the amounts 17 to 22 right-aligned. Rows handed
// over (moved) are shaped in place, so the query's rows and their shown copy
// never take memory together.
ui::TextTable shownItemRows(ui::TextTable rows);

}  // namespace payments
