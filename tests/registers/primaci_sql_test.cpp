// The recipients' statements and checks on a database in memory.
#include "registers/primaci_sql.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"

namespace {

using namespace registers;

class Recipients : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        // An older database made EMBG unique; opening the list drops that index.
        ASSERT_TRUE(shell::MISCSQL1(db, recipientCreateStatements()[1]));
        ASSERT_TRUE(shell::MISCSQL1(db, "CREATE UNIQUE INDEX Primaci1 on Primaci (EMBG)"));
        for (const auto& s : recipientCreateStatements()) ASSERT_TRUE(shell::MISCSQL1(db, s)) << s;
        ASSERT_TRUE(shell::MISCSQL1(db,
                                    "INSERT INTO Primaci VALUES (1, 'Ана', '', '', '', 'Скопје', '', '0101990455001', "
                                    "'', 1, 1), (12, 'Бојан', '', '', '', 'Битола', '', '0202990455002', '', 9, 0), "
                                    "(13, 'Цане', '', '', '', 'Битола', '', '0202990455002', '', 9, 0), "
                                    "(14, 'Дејан', '', '', '', 'Битола', '', '', '', 9, 0);"));
    }
    void TearDown() override { sqlite3_close(db); }

    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(Recipients, StatementsAsWritten) {
    const Recipient r{" Д'Арк", "", "ул ", "1", "Скопје", "2", "A'1", "             ", "", "1"};
    EXPECT_EQ(recipientInsert(r),
              " INSERT INTO Primaci  (Ime, Prezime, Adresa, AdresaBroj, Mesto, OpstiniID, MaticenBroj, EMBG, EMail, "
              "DDVObvrznik ) VALUES  (' Д''Арк', '', 'ул ', '1', 'Скопје', '2', 'A''1', '             ', '', '1');");
    EXPECT_EQ(recipientUpdate(r, "12"),
              " UPDATE Primaci SET  Ime = ' Д''Арк',  Prezime = '',  Adresa = 'ул ',  AdresaBroj = '1',  Mesto = "
              "'Скопје',  OpstiniID = '2',  MaticenBroj = 'A''1',  EMBG = '             ',  EMail = '',  DDVObvrznik "
              "= '1'  WHERE ID = '12';");
    EXPECT_TRUE(shell::SQL(db, "SELECT 1 FROM sqlite_master WHERE name = 'Primaci1'").empty());
    // Two recipients with the same blank EMBG may be stored.
    ASSERT_TRUE(shell::MISCSQL1(db, recipientInsert(r)));
    ASSERT_TRUE(shell::MISCSQL1(db, recipientInsert(r)));
    auto listed = shell::SQL(db, recipientList() + " WHERE p.ID > 14");
    showRecipientTicks(listed);
    ASSERT_EQ(listed.rows(), 2u);
    EXPECT_EQ(listed.row(0), (std::vector<std::string>{"15", " Д'Арк", "", "ул ", "1", "Скопје", "", "A'1",
                                                       "             ", "", "v", "2"}));
}

TEST_F(Recipients, ChecksInOrderAndNameTheRefusedBox) {
    using namespace vocab;
    struct Case {
        const char* what;
        Recipient recipient;
        std::string id;
        const std::string* refusal;
        const char* box = "";
    } cases[] = {
        {"name blank", {.ime = " \t", .mesto = ""}, "", &CPORPRAZENIME, "txtPrimaciIme"},
        {"place blank", {.ime = "x", .mesto = "  "}, "", &CPORPRAZENSEDISTE, "txtPrimaciSediste"},
        {"no EMBG while another has none", {.ime = "x", .mesto = "y", .embg = ""}, "", nullptr},
        {"blank EMBG", {.ime = "x", .mesto = "y", .embg = std::string(13, ' ')}, "", nullptr},
        {"EMBG of recipient 1", {.ime = "x", .mesto = "y", .embg = "0101990455001"}, "",
         &CPORPRIMACDANOCENBROJVECPOSTOJI, "txtPrimaciDanocenBroj"},
        {"recipient 12 with recipient 1's", {.ime = "x", .mesto = "y", .embg = "0101990455001"}, "12",
         &CPORPRIMACDANOCENBROJVECPOSTOJI, "txtPrimaciDanocenBroj"},
        {"recipient 1 with its own", {.ime = "x", .mesto = "y", .embg = "0101990455001"}, "1", nullptr},
        // Only the first recipient found with the EMBG is compared.
        {"recipient 12 sharing its own with 13", {.ime = "x", .mesto = "y", .embg = "0202990455002"}, "12", nullptr},
        {"a quote", {.ime = "x", .mesto = "y", .embg = "1'"}, "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto refusal = recipientRefusal(db, c.recipient, c.id);
        EXPECT_EQ(refusal.has_value(), c.refusal != nullptr);
        if (refusal && c.refusal) {
            EXPECT_EQ(refusal->message, *c.refusal);
            EXPECT_EQ(refusal->box, c.box);
        }
    }
    EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
