// The stored orders' values that the treasury order file carries: an amount
// or a due date that does not read refuses the batch, naming the order.
#include "treasury/carried_orders.h"

#include <gtest/gtest.h>

#include "orders_db_fixture.h"
#include "shell/vocabulary.h"
#include "treasury/overview_batch.h"

namespace {

class CarriedOrders : public orders_fixture::OrdersDb {
protected:
    std::optional<std::string> unreadableAfter(const std::string& change) {
        EXPECT_TRUE(shell::MISCSQL1(db, "BEGIN; " + change));
        const auto refusal = treasury::unreadableOrderValue(rows(treasury::storedOrdersQuery({"1", "2", "3"})));
        EXPECT_TRUE(shell::MISCSQL1(db, "ROLLBACK"));
        return refusal;
    }
};

TEST_F(CarriedOrders, AnAmountOrDueDateThatDoesNotReadRefusesNamingTheOrder) {
    const std::string amount = vocab::CPORNECITLIVAVREDNOST + "Износ. " + vocab::CPORNALOG + "2 (70) Трезорска сметка";
    const std::string inexact =
        vocab::CPORPREGOLEMZACUVANIZNOS + "Износ. " + vocab::CPORNALOG + "2 (70) Трезорска сметка";
    const std::string due =
        vocab::CPORNECITLIVAVREDNOST + "Датум на доспеаност. " + vocab::CPORNALOG + "2 (70) Трезорска сметка";
    struct Case {
        const char* change;
        std::optional<std::string> refusal;
    };
    const Case cases[] = {
        {"UPDATE Nalozi SET Iznos = 1e20 WHERE ID = 2", amount},
        {"UPDATE Nalozi SET Iznos = 1e308 WHERE ID = 2", amount},
        {"UPDATE Nalozi SET Iznos = 'xyz' WHERE ID = 2", amount},
        {"UPDATE Nalozi SET Iznos = '12,50' WHERE ID = 2", amount},
        {"UPDATE Nalozi SET Iznos = '' WHERE ID = 2", amount},
        {"UPDATE Nalozi SET DatumNaDospeanost = 'abcdefgh' WHERE ID = 2", due},
        {"UPDATE Nalozi SET DatumNaDospeanost = '20261301' WHERE ID = 2", due},
        {"UPDATE Nalozi SET DatumNaDospeanost = '' WHERE ID = 2", due},
        {"UPDATE Nalozi SET DatumNaDospeanost = ' 2026121' WHERE ID = 2", due},
        {"UPDATE Nalozi SET Iznos = 'x', DatumNaDospeanost = 'x' WHERE ID = 2", amount},
        // The column reads 12345678901234.56 back as 12345678901234.6: from 10^13
        // on, an amount cannot be read to the cent, also when it happens to be.
        {"UPDATE Nalozi SET Iznos = '12345678901234.56' WHERE ID = 2", inexact},
        {"UPDATE Nalozi SET Iznos = 10000000000000 WHERE ID = 2", inexact},
        {"UPDATE Nalozi SET Iznos = -10000000000000 WHERE ID = 2", inexact},
        {"UPDATE Nalozi SET Iznos = 999999999999999.99 WHERE ID = 2", inexact},
        {"UPDATE Nalozi SET Iznos = 9999999999999.99 WHERE ID = 2", std::nullopt},
        // What reads: a number stored as a number, with or without decimals, and
        // a negative amount (the file's own checks refuse it).
        {"UPDATE Nalozi SET Iznos = 0.08 WHERE ID = 2", std::nullopt},
        {"UPDATE Nalozi SET Iznos = 5 WHERE ID = 2", std::nullopt},
        {"UPDATE Nalozi SET Iznos = -5 WHERE ID = 2", std::nullopt},
        {"UPDATE Nalozi SET DatumNaDospeanost = '20280229' WHERE ID = 2", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(unreadableAfter(c.change), c.refusal) << c.change;
}

}  // namespace
