#pragma once
// The statements of the payments overview and the payments report: their
// loads with the filter conditions, the re-reading of selected items, and the
// status changes of their actions.
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"

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

// Records an item as paid on `paymentDate` for the period, with the
// calculation type; dates yyyymmdd.
std::string markPaid(std::string_view id, std::string_view periodFrom, std::string_view periodTo,
                     std::string_view calculationTypeId, std::string_view paymentDate);
// Returns a paid item to unpaid; its calculation type stays.
std::string backToUnpaid(std::string_view id);
// A new unpaid item with the amounts, texts and references of an item row as
// shown (row `row` of `rows`).
std::string copyAsNew(const ui::TextTable& rows, std::size_t row);

}  // namespace payments
