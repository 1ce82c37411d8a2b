#pragma once
// The database file as the program finds it at start-up: usable for reading
// and writing, only for reading (the file or its folder refuses writing), in
// use by another program, or no database at all.
#include <string>

struct sqlite3;

namespace shell {

enum class DatabaseState { Writable, ReadOnly, InUse, Unusable };

struct OpenedDatabase {
    sqlite3* db = nullptr;  // open for Writable and ReadOnly, else nullptr
    DatabaseState state = DatabaseState::Unusable;
    std::string reason;  // SQLite's message when the file is in use or unusable
};

// Opens the file, creating it when it is missing and its folder may be
// written. A file that cannot be written is opened for reading only, so that
// every change fails at once with the read-only message instead of midway.
OpenedDatabase openDatabase(const std::string& file);

// How long a statement waits for another program's lock on the file (a
// backup, a look with another tool) before it fails with SQLite's message.
constexpr int busyTimeoutMs = 3000;

// Whether the connection was opened for reading only.
bool readOnly(sqlite3* db);

// Said once at start-up for a read-only database, and again for every change
// that cannot be saved because of it.
extern const std::string readOnlyDatabase;
// Said at start-up when another program holds the database; SQLite's message follows.
extern const std::string databaseInUse;

}  // namespace shell
