#include "treasury/day_after.h"

#include <gtest/gtest.h>

TEST(DayAfter, CrossesMonthsYearsAndLeapDays) {
    const std::pair<const char*, const char*> cases[] = {
        {"20261210", "20261211"}, {"20261231", "20270101"}, {"20260228", "20260301"},
        {"20240228", "20240229"}, {"20240229", "20240301"}, {"20260430", "20260501"},
        {"", ""},                 {"2026123", "2026123"},   {"20261332", "20261332"},
    };
    for (const auto& [day, next] : cases) EXPECT_EQ(treasury::dayAfter(day), next) << day;
}
