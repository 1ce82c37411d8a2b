#pragma once
// CHANGETIPOVIPRIHODI: the one refill of a sub-revenue combo after its
// window's revenue-type combo changed. The payment item edit window refills
// without a blank item; the filters of the payments overview and report, whose
// combos start with a blank "all" item, refill with one.
#include <string>
#include <vector>

#include "platform/text/text_table.h"

namespace payments {

// The lookup rows behind a window's revenue-type and sub-revenue combos; a
// combo's position n (after the blank item of a filter) is row n.
struct RevenueRows {
    ui::TextTable revenueTypes;  // ID, code, description, progressive flag
    ui::TextTable subRevenues;   // ID, code, description, deduction percent, personal-tax flag
};

// The combo items of sub-revenue rows: trimmed code, "-", trimmed description;
// a blank item first when `blankFirst`.
std::vector<std::string> subRevenueItems(const ui::TextTable& subRevenues, bool blankFirst);

// Refills `combo` of `window` with the sub-revenues of the revenue type at
// combo position `position` (offset 0: no blank item; 1: a blank item first,
// whose choice empties the combo) and selects its first item, which runs the
// combo's change handler. A revenue type without sub-revenues shows
// CPORPRAZNAPOTPRIHODI and leaves the combo empty, so that no sub-revenue of
// another revenue type stays on offer.
void CHANGETIPOVIPRIHODI(int position, const std::string& window, const std::string& combo, int offset,
                         RevenueRows& rows);

}  // namespace payments
