#include <gtest/gtest.h>
#include <sqlite3.h>

#include "shell/korisnici_sql.h"
#include "shell/sql1.h"
#include "support/recording_interaction.h"

namespace {

using namespace shell;

class Korisnici : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        ASSERT_TRUE(MISCSQL1(db, KORISNICICREATE));
        ASSERT_TRUE(MISCSQL1(db, KORISNICIINDEX));
    }
    void TearDown() override { sqlite3_close(db); }
    std::size_t matches(std::string_view name, std::string_view password) {
        return SQL(db, loginQuery(name, password)).rows();
    }
    sqlite3* db = nullptr;
    testing_support::RecordingInteraction ui;
};

TEST_F(Korisnici, StatementsQuoteEveryValue) {
    EXPECT_EQ(loginQuery("Ana", "it's"),
              " SELECT ID, UserName, Password, Opis FROM Korisnici  WHERE UserName = 'Ana' AND Password = 'it''s' ;");
    EXPECT_EQ(userInsert({"O'Neil", "x", ""}),
              "insert into Korisnici (UserName, Password, Opis) values ('O''Neil', 'x', '');");
    EXPECT_EQ(userUpdate({"Ana", "p", "Ана"}, "12"),
              "update Korisnici set UserName = 'Ana', Password = 'p', Opis = 'Ана' where ID = '12';");
}

TEST_F(Korisnici, LoginMatchesNameAndPasswordExactly) {
    ASSERT_TRUE(MISCSQL1(db, userInsert({"Ana", "ta'jna", "Ана"})));
    EXPECT_EQ(matches("Ana", "ta'jna"), 1u);
    EXPECT_EQ(matches("ana", "ta'jna"), 0u);
    EXPECT_EQ(matches("Ana ", "ta'jna"), 0u);
    EXPECT_EQ(matches(" Ana", "ta'jna"), 0u);
    EXPECT_EQ(matches("Ana", "TA'JNA"), 0u);
    EXPECT_EQ(matches("Ana", "ta'jna "), 0u);
    EXPECT_EQ(matches("Ana' OR '1'='1", "x' OR '1'='1"), 0u);
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Korisnici, ThePairIdentifiesTheUser) {
    ASSERT_TRUE(MISCSQL1(db, userInsert({"Ana", "one", "Прва"})));
    ASSERT_TRUE(MISCSQL1(db, userInsert({"Ana", "two", "Втора"})));
    EXPECT_EQ(SQL(db, loginQuery("Ana", "two")).at(0, 3), "Втора");
    const std::string again = userInsert({"Ana", "one", "Трета"});
    EXPECT_FALSE(MISCSQL1(db, again));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0],
              "stop||UNIQUE constraint failed: Korisnici.UserName, Korisnici.Password Query is : " + again);
}

}  // namespace
