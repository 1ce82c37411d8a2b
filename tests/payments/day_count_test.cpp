// Days worked in the year of the run, summed over an employee's periods.
#include "payments/day_count.h"

#include <gtest/gtest.h>

namespace {

using payments::Employment;
using payments::PRESMETAJDENOVI;

Employment period(const std::string& start, const std::string& end) {
    Employment e;
    e.matRab = "0101990450001";
    e.pocRab = start;
    e.krajRab = end;
    return e;
}

TEST(DayCount, PeriodsOfOneEmployee) {
    const struct {
        const char* what;
        int year;
        std::vector<std::pair<std::string, std::string>> periods;
        int days;
    } cases[] = {
        {"from 1 March, open", 2026, {{"20260301", ""}}, 306},
        {"from 2 July, open: just over half", 2026, {{"20260702", ""}}, 183},
        {"from 3 July, open: just half", 2026, {{"20260703", ""}}, 182},
        {"ended 30 June", 2026, {{"20200101", "20260630"}}, 181},
        {"ended 30 June of a leap year", 2024, {{"20200101", "20240630"}}, 182},
        {"January to March and May on", 2026, {{"20260101", "20260331"}, {"20260501", ""}}, 90 + 245},
        {"ended last year", 2026, {{"20200101", "20251231"}}, 0},
        {"begun earlier, open", 2026, {{"20200101", ""}}, 365},
        {"begun earlier, open, leap year", 2024, {{"20200101", ""}}, 366},
        {"ends next year", 2026, {{"20260101", "20270101"}}, 0},
        {"begins next year, open", 2026, {{"20270101", ""}}, 365},
        {"no start, open", 2026, {{"", ""}}, 365},
        {"no start, ended 10 January", 2026, {{"", "20260110"}}, 10},
        {"one day", 2026, {{"20260505", "20260505"}}, 1},
        {"ends before it starts", 2026, {{"20260601", "20260501"}}, 0},
        {"begins next year, ends this year", 2026, {{"20270101", "20260601"}}, 0},
        {"the same half year twice", 2026, {{"20260101", "20260630"}, {"20260101", "20260630"}}, 362},
    };
    for (const auto& c : cases) {
        std::vector<Employment> records;
        for (const auto& [start, end] : c.periods) records.push_back(period(start, end));
        std::size_t current = 0;
        EXPECT_EQ(PRESMETAJDENOVI(records, current, records[0].matRab, c.year), c.days) << c.what;
        EXPECT_EQ(current, records.size()) << c.what;
    }
}

TEST(DayCount, StopsAtTheNextEmployee) {
    std::vector<Employment> records = {period("20260101", ""), period("20260101", ""), period("20260101", ""),
                                       period("20260101", "")};
    records[2].matRab = "0101990450001 ";  // differs by a trailing blank
    std::size_t current = 0;
    EXPECT_EQ(PRESMETAJDENOVI(records, current, records[0].matRab, 2026), 730);
    EXPECT_EQ(current, 2u);
    EXPECT_EQ(PRESMETAJDENOVI(records, current, records[2].matRab, 2026), 365);
    EXPECT_EQ(current, 3u);
    // The fourth record has the first employee's key again, but no other key is summed.
    EXPECT_EQ(PRESMETAJDENOVI(records, current, "other", 2026), 0);
    EXPECT_EQ(current, 3u);
}

TEST(DayCount, MoreThanHalfTheYear) {
    EXPECT_FALSE(payments::workedHalfYear(182));
    EXPECT_TRUE(payments::workedHalfYear(183));
}

}  // namespace
