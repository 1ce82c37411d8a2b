#pragma once
// The statements of the payments overview and the payments report: their
// loads with the filter conditions, the re-reading of selected items, and the
// status changes of their actions.
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"
#include "shell/row_changes.h"

namespace payments {

// The overview's conditions, IDs as decimal text ("" = no condition).
struct OverviewFilter {
    std::string accountId;  // always given: the payer account whose items are listed
    std::string recipientId, revenueTypeId, subRevenueId, paymentTypeId;
};
// The unpaid items of one payer account, oldest ID first.
std::string overviewQuery(const OverviewFilter& f);

// The report's paid choice.
enum class Paid { Any = 0, Yes = 1, No = 2, All = 3 };
struct ReportFilter {
    std::string dateFrom, dateTo;  // payment-date bounds, yyyymmdd ("" = no bound)
    std::string payerId;           // always given
    std::string accountId, recipientId, revenueTypeId, subRevenueId, paymentTypeId;
    Paid paid = Paid::Any;
};
// The items of one payer, by ID.
std::string reportQuery(const ReportFilter& f);

// The items with these IDs (decimal texts), in any state.
std::string itemsByIdQuery(const std::vector<std::string>& ids);

// The changes of the items (rows as shown), one statement run per item:
// recorded paid on `paymentDate` for the period, with the calculation type
// (dates yyyymmdd);
shell::RowChange markPaid(const ui::TextTable& items, const std::string& periodFrom, const std::string& periodTo,
                          const std::string& calculationTypeId, const std::string& paymentDate);
// returned to unpaid, their calculation type kept;
shell::RowChange backToUnpaid(const ui::TextTable& items);
// copied as new unpaid items with their amounts, texts and references.
shell::RowChange copiesAsNew(const ui::TextTable& items);

}  // namespace payments
