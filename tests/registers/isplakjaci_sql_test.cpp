// The payers' statements and checks, and the current payer, on a database in memory.
#include "registers/isplakjaci_sql.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"

namespace {

using namespace registers;

class Payers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        for (const auto& s : payerCreateStatements()) ASSERT_TRUE(shell::MISCSQL1(db, s)) << s;
        ASSERT_TRUE(shell::MISCSQL1(db,
                                    "INSERT INTO Opstini VALUES (1, '001', 'Центар', 1), (2, 'ЃЃ', 'Гази Баба', 1);"
                                    "INSERT INTO Isplakjaci VALUES "
                                    "(1, 'Општина Центар ', '', '', 'Скопје', '', '4030990123456', 'a@b.mk', 'SK', 1, "
                                    "1, 'CEN', 'TRZ', '1', ''), "
                                    "(12, 'Фонд', '', '', 'Битола', '', '40309901234567', 'f@f.mk', '', 0, 99, 'F', "
                                    "'FZMX', 'ЏЏ', '');"));
    }
    void TearDown() override { sqlite3_close(db); }

    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(Payers, StatementsAsWritten) {
    const Payer p{"Д'Арк", "ул", "1", "Скопје", "123", "4030990000013", "ABC",
                  "1", "TRZ", "1A", "", "2", "a@b.mk", "SK"};
    EXPECT_EQ(payerInsert(p),
              " INSERT INTO Isplakjaci  (Naziv, AdresaUlica, AdresaBroj, Sediste, MaticenBroj, DanocenBroj, "
              "KratenkaInstitucija,  DvojazicenIspis, VidNaTrezor, Programa, VidNaSlog,  OpstiniID,  EMail,  "
              "TrezorskaKancelarija ) VALUES  ('Д''Арк', 'ул', '1', 'Скопје', '123', '4030990000013', 'ABC', '1', "
              "'TRZ', '1A', '', '2', 'a@b.mk', 'SK');");
    EXPECT_EQ(payerUpdate(p, "12"),
              " UPDATE Isplakjaci SET  Naziv = 'Д''Арк',  AdresaUlica = 'ул',  AdresaBroj = '1',  Sediste = 'Скопје',  "
              "MaticenBroj = '123',  DanocenBroj = '4030990000013',  KratenkaInstitucija = 'ABC',  DvojazicenIspis = "
              "'1',  VidNaTrezor = 'TRZ',  Programa = '1A',  VidNaSlog = '',  OpstiniID = '2',  EMail = 'a@b.mk',  "
              "TrezorskaKancelarija = 'SK'  WHERE ID = '12';");
    EXPECT_EQ(payerCreateStatements()[4],
              "CREATE UNIQUE INDEX IF NOT EXISTS IsplakjaciZiroSmetki1 on IsplakjaciZiroSmetki (ZiroSmetka) ;");
    // The statements store what they say.
    ASSERT_TRUE(shell::MISCSQL1(db, payerInsert(p)));
    const auto listed = shell::SQL(db, payerList() + " WHERE i.ID = 13");
    ASSERT_EQ(listed.rows(), 1u);
    EXPECT_EQ(listed.row(0), (std::vector<std::string>{"13", "Д'Арк", "ул", "1", "Скопје", "123", "4030990000013",
                                                       "a@b.mk", "SK", "1", "Гази Баба", "ABC", "TRZ", "1A", "", "2"}));
}

TEST_F(Payers, ChecksInOrderAndNameTheRefusedBox) {
    using namespace vocab;
    const Payer ok{.naziv = "Н", .sediste = "С", .maticenBroj = "", .danocenBroj = "4000000000001",
                   .kratenkaInstitucija = "ABC", .programa = "1", .email = "e"};
    struct Case {
        const char* what;
        Payer payer;
        std::string id;
        const std::string* refusal;
        const char* box = "";
    } cases[] = {
        {"all filled", ok, "", nullptr},
        {"name", {.sediste = "", .programa = ""}, "", &CPORPRAZENNAZIV, "txtIsplakjaciNaziv"},
        {"seat", {.naziv = "Н", .programa = ""}, "", &CPORPRAZENSEDISTE, "txtIsplakjaciSediste"},
        {"programme before tax number", {.naziv = "Н", .sediste = "С"}, "", &CPORPRAZENPROGRAMA, "txtIsplakjaciPrograma"},
        {"tax number", {.naziv = "Н", .sediste = "С", .programa = "1"}, "", &CPORPRAZENDANOCENBROJ, "txtIsplakjaciDanocenBroj"},
        {"e-mail", {.naziv = "Н", .sediste = "С", .danocenBroj = "1", .programa = "1"}, "", &CPORPRAZENEMAIL, "txtIsplakjaciEMail"},
        {"tax number of payer 1, new payer",
         {.naziv = "Н", .sediste = "С", .danocenBroj = "4030990123456", .programa = "1", .email = "e"}, "",
         &CPORISPLAKJACDANOCENBROJVECPOSTOJI, "txtIsplakjaciDanocenBroj"},
        {"tax number of payer 1, payer 12",
         {.naziv = "Н", .sediste = "С", .danocenBroj = "4030990123456", .programa = "1", .email = "e"}, "12",
         &CPORISPLAKJACDANOCENBROJVECPOSTOJI, "txtIsplakjaciDanocenBroj"},
        {"its own tax number", {.naziv = "Н", .sediste = "С", .danocenBroj = "4030990123456",
                                .kratenkaInstitucija = "CEN", .programa = "1", .email = "e"}, "1", nullptr},
        {"abbreviation", {.naziv = "Н", .sediste = "С", .danocenBroj = "7", .programa = "1", .email = "e"}, "",
         &CPORPRAZENKRATENKANAINSTITUCIJA, "txtIsplakjaciKratenkaInstitucija"},
        {"two letters", {.naziv = "Н", .sediste = "С", .danocenBroj = "7", .kratenkaInstitucija = "AB",
                         .programa = "1", .email = "e"}, "", &CPORDOLZINAKRATENKANAINSTITUCIJA, "txtIsplakjaciKratenkaInstitucija"},
        {"three Cyrillic letters", {.naziv = "Н", .sediste = "С", .danocenBroj = "7", .kratenkaInstitucija = "АБВ",
                                    .programa = "1", .email = "e"}, "", &CPORDOLZINAKRATENKANAINSTITUCIJA, "txtIsplakjaciKratenkaInstitucija"},
        {"a quote in the tax number", {.naziv = "Н", .sediste = "С", .danocenBroj = "1'", .kratenkaInstitucija = "A'C",
                                       .programa = "1", .email = "e"}, "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto refusal = payerRefusal(db, c.payer, c.id);
        EXPECT_EQ(refusal.has_value(), c.refusal != nullptr);
        if (refusal && c.refusal) {
            EXPECT_EQ(refusal->message, *c.refusal);
            EXPECT_EQ(refusal->box, c.box);
        }
    }
    EXPECT_TRUE(ui.shown.empty());
}

// Fixed-width fields in bytes, padded or cut at a whole character; as-stored
// fields untouched; each call overwrites every field.
TEST_F(Payers, CurrentPayer) {
    CurrentPayer p;
    ISPLAKJACICITAJ(db, "1", p);
    EXPECT_EQ(p.MISPLAKJACINAZIV, "Општина Центар ");
    EXPECT_EQ(p.MISPLAKJACISEDISTE, "Скопје");
    EXPECT_EQ(p.MDANOCENBROJ, "4030990123456");
    EXPECT_EQ(p.MEMAIL, "a@b.mk");
    EXPECT_EQ(p.MTREZORSKAKANCELARIJA, "SK");
    EXPECT_EQ(p.MOPSTINAKOD, "001");
    EXPECT_EQ(p.MKRATENKAINSTITUCIJA, "CEN");
    EXPECT_EQ(p.MVIDNATREZOR, "TRZ");
    EXPECT_EQ(p.MPROGRAMAZADOLZUVA, "1 ");

    // The second payer: its own values; no municipality matches its ID.
    ISPLAKJACICITAJ(db, "12", p);
    EXPECT_EQ(p.MISPLAKJACINAZIV, "Фонд");
    EXPECT_EQ(p.MTREZORSKAKANCELARIJA, "");
    EXPECT_EQ(p.MDANOCENBROJ, "4030990123456");  // cut to 13
    EXPECT_EQ(p.MOPSTINAKOD, "   ");
    EXPECT_EQ(p.MKRATENKAINSTITUCIJA, "F  ");
    EXPECT_EQ(p.MVIDNATREZOR, "FZM");
    EXPECT_EQ(p.MPROGRAMAZADOLZUVA, "Џ");  // two bytes: one Cyrillic letter

    // A two-byte letter in a three-byte code: cut before the half letter, then padded.
    ASSERT_TRUE(shell::MISCSQL1(db, "UPDATE Isplakjaci SET OpstiniID = 2 WHERE ID = 12"));
    ISPLAKJACICITAJ(db, "12", p);
    EXPECT_EQ(p.MOPSTINAKOD, "Ѓ ");

    ISPLAKJACICITAJ(db, "99", p);
    EXPECT_EQ(p.MISPLAKJACINAZIV, "");
    EXPECT_EQ(p.MDANOCENBROJ, std::string(13, ' '));
    EXPECT_EQ(p.MVIDNATREZOR, "   ");
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
