// The overview's and the report's queries: the conditions as SQL for a table
// of filters, and what they find in a small table of orders.
#include "treasury/order_filters.h"

#include <gtest/gtest.h>

#include "orders_db_fixture.h"
#include "shell/layouts.h"

namespace {

using treasury::OrderFilter;

std::string where(const std::string& query) {
    EXPECT_TRUE(query.starts_with(layouts::STRNALOZI + " WHERE "));
    return query.substr(layouts::STRNALOZI.size() + 7);
}

TEST(OrderFilters, OverviewConditionsInTheirOrderEachOneEqualsOneWhenEmpty) {
    const std::pair<OrderFilter, const char*> cases[] = {
        {{}, " 1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  t.IsplakjaciID = '7' AND "
             "t.DatumNaPodnesuvanje = ''  ORDER BY t.ID"},
        {{.accountId = "11", .dueFrom = "20261201", .dueTo = "20261231", .recipientId = "3", .formCode = "60"},
         " t.IsplakjaciZiroSmetkiID = '11' AND  t.DatumNaDospeanost >= '20261201' AND  t.DatumNaDospeanost <= '20261231' "
         "AND  t.PrimaciID = '3' AND  t.Obrazec = '60' AND  t.IsplakjaciID = '7' AND t.DatumNaPodnesuvanje = ''  "
         "ORDER BY t.ID"},
        // The report's own values change nothing here; blank form code means none.
        {{.submittedFrom = "20260101", .state = 1, .formCode = "  "},
         " 1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  t.IsplakjaciID = '7' AND "
         "t.DatumNaPodnesuvanje = ''  ORDER BY t.ID"},
    };
    for (const auto& [filter, sql] : cases) EXPECT_EQ(where(treasury::overviewQuery("7", filter)), sql);
}

TEST(OrderFilters, ReportConditionsInTheirOrderWithTheSubmittedChoice) {
    const std::string none = " 1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND  1 = 1  AND ";
    const std::pair<OrderFilter, std::string> cases[] = {
        {{}, none + " 1 = 1  AND  1 = 1  AND  t.IsplakjaciID = '7' ORDER BY t.ID"},
        {{.state = 0}, none + " 1 = 1  AND  1 = 1  AND  t.IsplakjaciID = '7' ORDER BY t.ID"},
        {{.state = 1}, none + " t.DatumNaPodnesuvanje <> ''  AND  1 = 1  AND  t.IsplakjaciID = '7' ORDER BY t.ID"},
        {{.state = 2}, none + " t.DatumNaPodnesuvanje = ''  AND  1 = 1  AND  t.IsplakjaciID = '7' ORDER BY t.ID"},
        {{.accountId = "11", .submittedFrom = "20261201", .submittedTo = "20261202", .dueFrom = "20261203",
          .dueTo = "20261204", .recipientId = "3", .state = 3, .formCode = "92"},
         " t.IsplakjaciZiroSmetkiID = '11' AND  t.DatumNaPodnesuvanje >= '20261201' AND  t.DatumNaPodnesuvanje <= "
         "'20261202' AND  t.DatumNaDospeanost >= '20261203' AND  t.DatumNaDospeanost <= '20261204' AND  t.PrimaciID = '3' "
         "AND  1 = 1  AND  t.Obrazec = '92' AND  t.IsplakjaciID = '7' ORDER BY t.ID"},
    };
    for (const auto& [filter, sql] : cases) EXPECT_EQ(where(treasury::reportQuery("7", filter)), sql);
}

TEST(OrderFilters, TypedFilterDatesAreWholeDatesOrNothing) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"  .  .    ", ""},          {"", ""},
        {"10.12.2026", "20261210"},  {"29.02.2024", "20240229"},
        {"1 .12.2026", std::nullopt}, {"10.12.26  ", std::nullopt}, {"31.11.2026", std::nullopt},
        {"10.12.    ", std::nullopt}, {"29.02.2026", std::nullopt},
    };
    for (const auto& [typed, stored] : cases) EXPECT_EQ(treasury::filterDate(typed), stored) << typed;
}

class OrderFilterRows : public orders_fixture::OrdersDb {
protected:
    std::string ids(const std::string& sql) const {
        std::string out;
        const ui::TextTable found = rows(sql);
        for (std::size_t r = 0; r < found.rows(); ++r) out += (out.empty() ? "" : ",") + found.at(r, 0);
        return out;
    }
};

TEST_F(OrderFilterRows, TheQueriesFindWhatTheirFiltersSay) {
    using treasury::overviewQuery;
    using treasury::reportQuery;
    EXPECT_EQ(ids(overviewQuery("1", {})), "1,2,3,4");  // unsubmitted only
    EXPECT_EQ(ids(overviewQuery("2", {})), "6,7,8,9");
    EXPECT_EQ(ids(overviewQuery("1", {.dueFrom = "20261212", .dueTo = "20261213"})), "3,4");
    EXPECT_EQ(ids(overviewQuery("1", {.accountId = "12"})), "3");
    EXPECT_EQ(ids(overviewQuery("1", {.recipientId = "3"})), "1");
    EXPECT_EQ(ids(overviewQuery("1", {.formCode = "70"})), "2");
    EXPECT_EQ(ids(overviewQuery("1", {.formCode = "6 "})), "");  // one digit matches no stored code
    EXPECT_EQ(ids(reportQuery("1", {})), "1,2,3,4,5");
    EXPECT_EQ(ids(reportQuery("1", {.state = 1})), "5");
    EXPECT_EQ(ids(reportQuery("1", {.state = 2})), "1,2,3,4");
    // A submission-date range leaves out every unsubmitted order.
    EXPECT_EQ(ids(reportQuery("1", {.submittedFrom = "19000101"})), "5");
    // Only an upper bound: the empty date of an unsubmitted order lies below it.
    EXPECT_EQ(ids(reportQuery("1", {.submittedTo = "20261130"})), "1,2,3,4");
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
