// The width a box may take, read from the table definitions the windows create.
#include <gtest/gtest.h>

#include "payments/transakcii_table.h"
#include "registers/primaci_sql.h"
#include "shell/column_width.h"
#include "shell/korisnici_sql.h"
#include "treasury/nalozi_table.h"

namespace {

TEST(ColumnWidth, IsTheDeclaredLengthOfATextColumn) {
    const std::string orders = treasury::naloziCreate();
    const std::string recipients = registers::recipientCreateStatements().at(1);
    struct Case {
        const std::string& table;
        const char* column;
        int width;
    } cases[] = {
        {orders, "ProgramaPrimac", 2},
        {orders, "NazivPrimac", 70},
        {orders, "SmetkaPrimac", 18},
        {orders, "PodsmetkaPrimac", 15},
        {orders, "KontoPrimac", 6},
        {orders, "Iznos", 0},            // a number, not a text
        {orders, "Konto", 0},            // only part of other names
        {orders, "Primaci", 0},          // a referenced table, no column
        {recipients, "Ime", 50},         // NVARCHAR after a tab
        {recipients, "EMail", 50},       // VARCHAR
        {recipients, "MaticenBroj", 8},
        {shell::KORISNICICREATE, "Password", 50},
    };
    for (const Case& c : cases) EXPECT_EQ(shell::columnWidth(c.table, c.column), c.width) << c.column;
    EXPECT_EQ(shell::columnWidth(payments::transakciiCreate(), "BrojResenieDo"), 0);  // TEXT: no limit
}

}  // namespace
