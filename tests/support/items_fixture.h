#pragma once
// A database in memory with every table a payment item refers to, one payer
// with one giro account, one recipient with one account, a revenue type with
// one sub-revenue (35 % deductions, personal tax), a calculation type and a
// payment type: enough to store and list items.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "payments/transakcii_table.h"
#include "registers/code_table_sql.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "registers/revenue_sql.h"
#include "shell/sql1.h"
#include "support/recording_interaction.h"

namespace testing_support {

class ItemsDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        run("PRAGMA foreign_keys = ON;");
        for (const char* table : {"Konta", "Opstini", "TipoviKalkulacii", "TipoviPlacanja"})
            run(registers::codeTableCreate(table));
        run(registers::revenueTypeCreate());
        run(registers::subRevenueCreate());
        for (const auto& s : registers::payerCreateStatements()) run(s);
        for (const auto& s : registers::recipientCreateStatements()) run(s);
        run(payments::transakciiCreate());
        run("INSERT INTO Opstini VALUES (1, '01', 'Центар', 1);"
            "INSERT INTO TipoviKalkulacii VALUES (1, '1', 'Редовна', 1);"
            "INSERT INTO TipoviPlacanja VALUES (1, '1', 'Жиро', 1);"
            "INSERT INTO TipoviPrihodi (ID, Sifra, Opis, Status, ProgresivnaStapka) VALUES (1, '01', 'Авторски', 1, 0);"
            "INSERT INTO Potprihodi (ID, Sifra, Opis, ProcentOdbitoci, SePlakjaPD, Status, TipoviPrihodiID) "
            "VALUES (1, '011', 'Хонорар', 35, 1, 1, 1);"
            "INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID) "
            "VALUES (1, 'Институт', 'Скопје', '1234567', '4030000000001', 1);"
            "INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, '300000000000001');"
            "INSERT INTO Primaci VALUES (1, 'Ана', 'Петрова', '', '', 'Скопје', '', '0101990455001', '', 1, 0);"
            "INSERT INTO PrimaciZiroSmetki VALUES (1, 1, '200000000000001');");
    }
    void TearDown() override { sqlite3_close(db); }

    void run(const std::string& statement) { ASSERT_TRUE(shell::MISCSQL1(db, statement)) << statement; }

    sqlite3* db = nullptr;
    RecordingInteraction ui;
};

}  // namespace testing_support
