// The payment items' statements on a database in memory.
#include "payments/transakcii_sql.h"

#include "payments/item_row.h"
#include "shell/sql1.h"
#include "support/items_fixture.h"

namespace {

using namespace payments;

using Items = testing_support::ItemsDatabase;

ItemValues sample() {
    return {.advance = 0,
            .gross = 10000,
            .deductions = 3500,
            .tax = 650,
            .net = 9350,
            .vat = 0,
            .decisionNumber = "Д'1",
            .decisionDate = "",
            .note = "ред 1\r\nред 2",
            .payerAccountId = "1",
            .recipientAccountId = "1",
            .revenueTypeId = "1",
            .subRevenueId = "1",
            .calculationTypeId = "1",
            .paymentTypeId = "1"};
}

TEST(ItemStatements, InsertAndUpdateAsWritten) {
    EXPECT_EQ(itemSave(sample(), ""),
              "INSERT INTO Transakcii (DatumNaPlacanje, DatumPeriodOd, DatumPeriodDo, IznosAvans, IznosBruto, "
              "IznosOdbitoci, IznosDanok, IznosNeto, IznosDDV, BrojResenieDo, DatumResenieDo, Komentar, "
              "IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, "
              "TipoviPlacanjaID) VALUES ('', '', '', '        0', '    10000', '     3500', '      650', '     9350', "
              "'        0', 'Д''1', '        ', 'ред 1\r\nред 2', '1', '1', '1', '1', '1', '1');");
    ItemValues dated = sample();
    dated.decisionDate = "20240131";
    dated.decisionNumber = "";
    EXPECT_EQ(itemSave(dated, "17"),
              "UPDATE Transakcii SET DatumNaPlacanje = '', DatumPeriodOd = '', DatumPeriodDo = '', IznosAvans = "
              "'        0', IznosBruto = '    10000', IznosOdbitoci = '     3500', IznosDanok = '      650', IznosNeto = "
              "'     9350', IznosDDV = '        0', BrojResenieDo = '', DatumResenieDo = '20240131', Komentar = "
              "'ред 1\r\nред 2', IsplakjaciZiroSmetkiID = '1', PrimaciZiroSmetkiID = '1', TipoviPrihodiID = '1', "
              "PotprihodiID = '1', TipoviKalkulaciiID = '1', TipoviPlacanjaID = '1' WHERE ID = '17';");
}

TEST(ItemStatements, LookupsAsWritten) {
    EXPECT_EQ(PAYERROWS, "select ID, ID, Naziv || ' ' || Sediste from Isplakjaci order by Naziv || ' ' || Sediste");
    EXPECT_EQ(payerAccountRows("3"), "SELECT ID, '', ZiroSmetka FROM IsplakjaciZiroSmetki WHERE IsplakjaciID = '3'");
    EXPECT_EQ(RECIPIENTROWS,
              "select ID, TRIM(Prezime) || ' ' || TRIM(Ime) || ' ' || Mesto, DDVObvrznik from Primaci order by "
              "TRIM(Prezime) || ' ' || TRIM(Ime) || ' ' || Mesto");
    EXPECT_EQ(recipientAccountRows("4"), "SELECT ID, '', ZiroSmetka FROM PrimaciZiroSmetki WHERE PrimaciID = '4' ORDER BY ID");
    EXPECT_EQ(revenueTypeRows(true),
              "select ID, Sifra, Opis, ProgresivnaStapka from TipoviPrihodi where Status = 1 order by ID");
    EXPECT_EQ(revenueTypeRows(false), "select ID, Sifra, Opis, ProgresivnaStapka from TipoviPrihodi order by ID");
    EXPECT_EQ(subRevenueRows("5"),
              "select ID, Sifra, Opis, ProcentOdbitoci, SePlakjaPD from Potprihodi where TipoviPrihodiID = '5' order by "
              "Sifra");
    EXPECT_EQ(CALCULATIONTYPEROWS, "select ID, Sifra, Opis from TipoviKalkulacii order by Sifra");
    EXPECT_EQ(PAYMENTTYPEROWS, "select ID, Sifra, Opis from TipoviPlacanja order by Sifra");
    EXPECT_EQ(recipientOfAccount("6"), "SELECT PrimaciID, ID FROM PrimaciZiroSmetki WHERE ID = '6'");
}

TEST_F(Items, SavedItemIsStoredWithIntegerAmountsAndListedAsShown) {
    run(itemSave(sample(), ""));
    const std::string dump =
        "SELECT ID, quote(DatumNaPlacanje), quote(DatumPeriodOd), quote(DatumPeriodDo), typeof(IznosAvans), "
        "IznosBruto, typeof(IznosBruto), IznosNeto, quote(BrojResenieDo), quote(DatumResenieDo), "
        "IsplakjaciZiroSmetkiID, typeof(PotprihodiID) FROM Transakcii";
    EXPECT_EQ(shell::SQL(db, dump).row(0), (std::vector<std::string>{"1", "''", "''", "''", "integer", "10000",
                                                                     "integer", "9350", "'Д''1'", "'        '", "1",
                                                                     "integer"}));
    const ui::TextTable shown = shownItemRows(shell::SQL(db, itemListQuery("1")));
    ASSERT_EQ(shown.rows(), 1u);
    const auto value = [&](int column) { return shown.at(0, column - 1); };
    EXPECT_EQ(value(item::PAID), "  .  .    ");
    EXPECT_EQ(value(item::GROSS), "    10000");
    EXPECT_EQ(value(item::DECISIONNUMBER), "Д'1");
    EXPECT_EQ(value(item::DECISIONDATE), "  .  .    ");
    EXPECT_EQ(value(item::NOTE), "ред 1\r\nред 2");
    EXPECT_EQ(value(item::FIRSTNAME), "Ана");
    EXPECT_EQ(value(item::RECIPIENTID), "1");
}

TEST_F(Items, SavingAPaidItemMakesItUnpaidWithAnEmptyPeriod) {
    run(itemSave(sample(), ""));
    run("UPDATE Transakcii SET DatumNaPlacanje = '20240305', DatumPeriodOd = '20240201', DatumPeriodDo = '20240229'");
    EXPECT_EQ(shownItemRows(shell::SQL(db, itemListQuery("1"))).at(0, item::PAID - 1), "05.03.2024");
    run(itemSave(sample(), "1"));
    EXPECT_EQ(shell::SQL(db, "SELECT quote(DatumNaPlacanje), quote(DatumPeriodOd), quote(DatumPeriodDo) FROM "
                             "Transakcii")
                  .row(0),
              (std::vector<std::string>{"''", "''", "''"}));
}

TEST_F(Items, ListHoldsThePayersItemsWhoseSubRevenueExists) {
    run("INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID) "
        "VALUES (2, 'Друг', 'Битола', '7654321', '4030000000002', 1);"
        "INSERT INTO IsplakjaciZiroSmetki VALUES (2, 2, '300000000000002');");
    ItemValues other = sample();
    other.payerAccountId = "2";
    ItemValues orphan = sample();
    orphan.subRevenueId = "99";  // no such sub-revenue
    run(itemSave(sample(), ""));
    run(itemSave(other, ""));
    run(itemSave(orphan, ""));
    EXPECT_EQ(shell::SQL(db, itemListQuery("1")).rows(), 1u);
    EXPECT_EQ(shell::SQL(db, itemListQuery("2")).at(0, 0), "2");
    EXPECT_TRUE(shell::SQL(db, itemListQuery("3")).empty());
}

TEST_F(Items, ForeignKeysRefuseAnItemOfAnUnknownRecipientAccount) {
    ItemValues lost = sample();
    lost.recipientAccountId = "42";
    EXPECT_FALSE(shell::MISCSQL1(db, itemSave(lost, "")));
    EXPECT_TRUE(shell::SQL(db, "SELECT ID FROM Transakcii").empty());
}

}  // namespace
