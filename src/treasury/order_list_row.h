#pragma once
// The values of the order list row (the 25 values of the base query, shown as
// shapeOrderRows of order_values.h makes them), by column.
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

// The order on row `row` as messages name it (treasury/order_label.h).
std::string orderLabel(const ui::TextTable& rows, std::size_t row);

}  // namespace treasury
