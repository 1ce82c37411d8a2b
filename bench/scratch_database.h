#pragma once
// A benchmark's database: Kasavel.db open in a scratch folder of its own,
// closed and removed with the folder when it ends.
#include <sqlite3.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace bench {

struct ScratchDatabase {
    testing_support::TempFolder folder;
    sqlite3* db = nullptr;

    ScratchDatabase() { sqlite3_open(folder.file("Kasavel.db").c_str(), &db); }
    ~ScratchDatabase() { sqlite3_close(db); }
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;
};

}  // namespace bench
