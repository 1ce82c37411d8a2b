// The database file at start-up: writable, read-only, in use or no database,
// and every change to a read-only database refused with one clear message.
#include "shell/database_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "shell/parametri_sql.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using shell::DatabaseState;

void makeDatabase(const std::string& file) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "CREATE TABLE t (a TEXT); INSERT INTO t VALUES ('x');", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

TEST(DatabaseFile, WritableMissingOrNoDatabase) {
    testing_support::TempFolder folder;
    makeDatabase(folder.file("made.db"));
    std::ofstream(folder.file("text.db")) << "this is no database, only some text that is long enough to tell";
    fs::create_directory(folder.file("folder.db"));
    struct Case {
        std::string file;
        DatabaseState state;
        std::string reason;
    } cases[] = {
        {folder.file("made.db"), DatabaseState::Writable, ""},
        {folder.file("new.db"), DatabaseState::Writable, ""},
        {folder.file("text.db"), DatabaseState::Unusable, "file is not a database"},
        {folder.file("folder.db"), DatabaseState::Unusable, "unable to open database file"},
        {folder.file("missing/new.db"), DatabaseState::Unusable, "unable to open database file"},
    };
    for (const Case& c : cases) {
        const shell::OpenedDatabase opened = shell::openDatabase(c.file);
        EXPECT_EQ(opened.state, c.state) << c.file;
        EXPECT_EQ(opened.reason, c.reason) << c.file;
        EXPECT_EQ(opened.db != nullptr, c.state == DatabaseState::Writable) << c.file;
        sqlite3_close(opened.db);
    }
    EXPECT_TRUE(fs::is_regular_file(folder.file("new.db")));
}

TEST(DatabaseFile, HeldByAnotherProgramIsInUse) {
    testing_support::TempFolder folder;
    const std::string file = folder.file("Kasavel.db");
    makeDatabase(file);
    sqlite3* other = nullptr;  // another connection stands for the other program
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; INSERT INTO t VALUES ('y');", nullptr, nullptr, nullptr), SQLITE_OK);
    const shell::OpenedDatabase opened = shell::openDatabase(file);
    EXPECT_EQ(opened.state, DatabaseState::InUse);
    EXPECT_EQ(opened.reason, "database is locked");
    EXPECT_EQ(opened.db, nullptr);
    sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

// Runs `check` in a child process that may not write what a user without
// rights may not write: as root, it gives up root first. The child's
// complaints are on its standard error, its exit status is their count.
template <class Check>
void asUnprivilegedUser(Check check) {
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(100);
            std::_Exit(check());
        },
        ::testing::ExitedWithCode(0), "");
}

int complain(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "%s\n", what);
    return ok ? 0 : 1;
}

// A read-only database opens for reading; a change says why it fails, in the
// system's words, and changes nothing.
int readOnlyChecks(const std::string& file) {
    testing_support::RecordingInteraction seam;
    const shell::OpenedDatabase opened = shell::openDatabase(file);
    int problems = complain(opened.state == DatabaseState::ReadOnly, "not found read-only");
    if (!opened.db) return problems + complain(false, "not opened");
    problems += complain(shell::SQL(opened.db, "SELECT a FROM t").at(0, 0) == "x", "not readable");
    problems += complain(!shell::MISCSQL1(opened.db, "INSERT INTO t VALUES ('z');"), "a change succeeded");
    problems += complain(seam.shown == std::vector<std::string>{"stop|" + vocab::CPORGRESKA + "|" + shell::readOnlyDatabase},
                         "not the read-only message");
    sqlite3_close(opened.db);
    return problems;
}

class ReadOnlyDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        // The user without rights must reach the folder.
        fs::permissions(fs::temp_directory_path(), fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
        fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec |
                                           fs::perms::others_read | fs::perms::group_read);
        makeDatabase(file);
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
    testing_support::TempFolder folder;
    const std::string file = folder.file("Kasavel.db");
};

TEST_F(ReadOnlyDatabase, AFileThatRefusesWriting) {
    asUnprivilegedUser([&] { return readOnlyChecks(file); });
}

TEST_F(ReadOnlyDatabase, AFolderThatRefusesWriting) {
    fs::permissions(file, fs::perms::all);
    fs::permissions(folder.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    asUnprivilegedUser([&] { return readOnlyChecks(file); });
    fs::permissions(folder.path(), fs::perms::owner_write, fs::perm_options::add);
}

class ReadOnlyConnection : public ::testing::Test {
protected:
    void SetUp() override {
        makeDatabase(file);
        ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    }
    void TearDown() override { sqlite3_close(db); }
    testing_support::TempFolder folder;
    const std::string file = folder.file("Kasavel.db");
    sqlite3* db = nullptr;
    testing_support::RecordingInteraction seam;
    const std::string refused = "stop|" + vocab::CPORGRESKA + "|" + shell::readOnlyDatabase;
};

TEST_F(ReadOnlyConnection, EveryChangeFailsWithTheSameMessage) {
    EXPECT_FALSE(shell::MISCSQL1(db, "UPDATE t SET a = 'y';"));
    EXPECT_FALSE(shell::query(db, "INSERT INTO t VALUES ('y');").ok);
    {
        shell::Transaction change(db);
        EXPECT_TRUE(change.open());
        EXPECT_FALSE(change.run("DELETE FROM t;"));
    }
    EXPECT_EQ(seam.shown, std::vector<std::string>(3, refused));
    EXPECT_EQ(shell::SQL(db, "SELECT count(*) FROM t").at(0, 0), "1");
    EXPECT_EQ(sqlite3_get_autocommit(db), 1);  // no transaction left open
}

TEST_F(ReadOnlyConnection, StartUpParametersAddNothingAndSayNothing) {
    // Without the table, then with an empty one: the defaults, and the database as it was.
    for (const bool withTable : {false, true}) {
        sqlite3_close(db);
        if (withTable) {
            sqlite3* w = nullptr;
            ASSERT_EQ(sqlite3_open(file.c_str(), &w), SQLITE_OK);
            ASSERT_TRUE(shell::MISCSQL1(w, shell::PARAMETRICREATE));
            sqlite3_close(w);
        }
        ASSERT_EQ(sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        EXPECT_TRUE(shell::readOnly(db));
        const shell::TreasuryParameters p = shell::loadParameters(db);
        EXPECT_EQ(p.trezorskaSmetkaNaRM, shell::TreasuryParameters{}.trezorskaSmetkaNaRM);
        EXPECT_TRUE(seam.shown.empty()) << seam.shown.front();
        EXPECT_EQ(shell::tableExists(db, "Parametri"), withTable);
    }
}

}  // namespace
