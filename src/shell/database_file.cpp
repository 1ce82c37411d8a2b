#include "shell/database_file.h"

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>

namespace shell {

const std::string readOnlyDatabase =
    "Базата Kasavel.db е само за читање: фајлот или фолдерот во кој се наоѓа не дозволува запишување. "
    "Податоците може да се прегледуваат, печатат и извезуваат, но ниту една промена не може да се зачува.";
const std::string databaseInUse =
    "Базата Kasavel.db ја користи друга програма, па не може да се отвори. "
    "Затворете ја другата програма и стартувајте повторно.";

namespace {

bool mayWrite(const std::string& file) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(file, ec).parent_path();
    // Writing needs the folder too: SQLite keeps its journal beside the file.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
    return !std::filesystem::exists(file, ec) || ::access(file.c_str(), W_OK) == 0;
}

}  // namespace

OpenedDatabase openDatabase(const std::string& file) {
    OpenedDatabase opened;
    const bool writable = mayWrite(file);
    const int flags = writable ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, busyTimeoutMs);
    // A file that is no SQLite database fails its first read.
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        opened.reason = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        opened.state = rc == SQLITE_BUSY || rc == SQLITE_LOCKED ? DatabaseState::InUse : DatabaseState::Unusable;
        sqlite3_close(db);
        return opened;
    }
    opened.db = db;
    opened.state = writable && sqlite3_db_readonly(db, "main") != 1 ? DatabaseState::Writable : DatabaseState::ReadOnly;
    return opened;
}

bool readOnly(sqlite3* db) { return db && sqlite3_db_readonly(db, "main") == 1; }

}  // namespace shell
