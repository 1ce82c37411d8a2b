#pragma once
// A change of several rows as one transaction, as every action on selected
// rows makes it: BEGIN TRANSACTION, the statements, END TRANSACTION. A failed
// statement or a failed commit rolls back and tells the user
// "Проблеми при ажурирање на базата!"; a failed BEGIN sends nothing more.
#include <string>
#include <vector>

struct sqlite3;

namespace shell {

// True when every statement ran and the commit succeeded; the caller's
// success message comes only then.
bool changeRows(sqlite3* db, const std::vector<std::string>& statements);

}  // namespace shell
