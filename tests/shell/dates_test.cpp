#include "shell/dates.h"

#include <gtest/gtest.h>

namespace {

TEST(Dates, StoredDatesShownEachFromItsOwnValue) {
    struct Case {
        std::string stored, shown;
    } cases[] = {
        {"20240305", "05.03.2024"},
        {"20241231", "31.12.2024"},
        {"20240229", "29.02.2024"},  // a leap day
        {"", "  .  .    "},
        {"        ", "  .  .    "},  // the decision date saved without one
        {"20230229", "  .  .    "},
        {"20241301", "  .  .    "},
        {"20240100", "  .  .    "},
        {"2024030", "  .  .    "},
        {"2024-3-5", "  .  .    "},
        {" 2024030", "  .  .    "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shell::shownDate(c.stored), c.shown) << '"' << c.stored << '"';
        if (c.shown != shell::BLANKDATE) {
            EXPECT_EQ(shell::storedDate(c.shown), c.stored);
        }
    }
}

TEST(Dates, ShownTextsThatAreNoDateStoreAsEmpty) {
    for (const char* shown : {"  .  .    ", "", "31.02.2024", "5.3.2024", "05-03-2024", "05.03.24", "ab.cd.efgh"})
        EXPECT_EQ(shell::storedDate(shown), "") << '"' << shown << '"';
}

}  // namespace
