// The report's return of submitted orders to unsubmitted acts on what is
// stored: an order deleted or submitted otherwise since the list was loaded
// stops the whole change, named; nothing changes then.
#include "treasury/unsubmit.h"

#include <gtest/gtest.h>

#include "orders_db_fixture.h"
#include "shell/vocabulary.h"
#include "treasury/order_filters.h"
#include "treasury/order_values.h"

namespace {

class Unsubmit : public orders_fixture::OrdersDb {
protected:
    void SetUp() override {
        OrdersDb::SetUp();
        ASSERT_TRUE(shell::MISCSQL1(db, "UPDATE Nalozi SET DatumNaPodnesuvanje = '20261205' WHERE ID = 1"));
    }
    // The report's list of payer 1 as shown: orders 1 to 5, lines 1 to 5.
    ui::TextTable shown() const {
        ui::TextTable list = rows(treasury::reportQuery("1", {}));
        treasury::shapeOrderRows(list);
        return list;
    }
    std::string dates() const {
        return rows("SELECT group_concat(ID || ':' || DatumNaPodnesuvanje, ' ') FROM Nalozi WHERE IsplakjaciID = 1")
            .at(0, 0);
    }
};

TEST_F(Unsubmit, OrdersStoredAsShownReturnToUnsubmitted) {
    const auto change = treasury::unsubmitChange(db, shown(), {5, 1});
    ASSERT_TRUE(change);
    EXPECT_TRUE(shell::changeRows(db, *change));
    EXPECT_EQ(dates(), "1: 2: 3: 4: 5:");
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Unsubmit, AnUnsubmittedOrderAmongTheLinesBuildsNoChange) {
    EXPECT_FALSE(treasury::unsubmitChange(db, shown(), {1, 2}));
}

TEST_F(Unsubmit, WhatChangedSinceTheListLoadedStopsTheWholeChangeNamingTheOrder) {
    struct Case {
        const char* what;
        const char* since;
        std::string message;
        const char* dates;  // as stored afterwards: nothing returned
    };
    const Case cases[] = {
        {"edited (unsubmitted) and sent again in a later file",
         "UPDATE Nalozi SET DatumNaPodnesuvanje = '20261210' WHERE ID = 5",
         vocab::CPORNALOGIZMENET + "5 (60) Книжарница", "1:20261205 2: 3: 4: 5:20261210"},
        {"edited, so unsubmitted", "UPDATE Nalozi SET DatumNaPodnesuvanje = '' WHERE ID = 5",
         vocab::CPORNALOGIZMENET + "5 (60) Книжарница", "1:20261205 2: 3: 4: 5:"},
        {"deleted", "DELETE FROM Nalozi WHERE ID = 5", vocab::CPORNALOGNEPOSTOI + "5 (60) Книжарница",
         "1:20261205 2: 3: 4:"},
        {"stored as shown, but the update reaches no row",
         "CREATE TRIGGER preskokni BEFORE UPDATE ON Nalozi WHEN OLD.ID = 5 BEGIN SELECT RAISE(IGNORE); END",
         vocab::CPORPROBLEMIPRIUPDATE, "1:20261205 2: 3: 4: 5:20261201"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ui::TextTable list = shown();
        ASSERT_TRUE(shell::MISCSQL1(db, c.since));
        ui.shown.clear();
        const auto change = treasury::unsubmitChange(db, list, {1, 5});
        ASSERT_TRUE(change);
        EXPECT_FALSE(shell::changeRows(db, *change));
        EXPECT_EQ(ui.shown, (std::vector<std::string>{"info|" + vocab::CPORGRESKA + "|" + c.message}));
        EXPECT_EQ(dates(), c.dates);
        // Back to the fixture for the next case.
        ASSERT_TRUE(shell::MISCSQL1(db, "DROP TRIGGER IF EXISTS preskokni; DELETE FROM Nalozi; " +
                                            std::string(orders_fixture::ORDERS) +
                                            " UPDATE Nalozi SET DatumNaPodnesuvanje = '20261205' WHERE ID = 1"));
    }
}

}  // namespace
