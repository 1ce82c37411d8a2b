#pragma once
// The queries of the treasury orders overview and report: the base query of
// orders with the conditions of their filters. Each condition is " 1 = 1 "
// when its filter value is empty; the terms are joined with " AND " in a fixed
// order. Dates (yyyymmdd) and the form code are written without quotes, so
// they compare as text with the text columns.
#include <optional>
#include <string>
#include <string_view>

namespace treasury {

struct OrderFilter {
    std::string accountId;                     // the payer's giro account; empty: none
    std::string submittedFrom, submittedTo;    // yyyymmdd; empty: none (report only)
    std::string dueFrom, dueTo;                // yyyymmdd; empty: none
    std::string recipientId;                   // empty: none
    int state = 3;                             // report only: 1 submitted, 2 unsubmitted, 3 or 0 all
    std::string formCode;                      // digits as typed; blank: none
};

// The overview's unsubmitted orders of the payer.
std::string overviewQuery(std::string_view payerId, const OrderFilter& filter);
// The report's orders of the payer in every state the filter allows.
std::string reportQuery(std::string_view payerId, const OrderFilter& filter);

// A date typed in a filter box ("dd.mm.yyyy"): empty when nothing is typed
// (only blanks and the points), yyyymmdd for a whole calendar date, nothing
// for anything else.
std::optional<std::string> filterDate(std::string_view typed);

}  // namespace treasury
