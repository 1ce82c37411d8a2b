#pragma once
// How many characters a text column stores, read from the table's own CREATE
// statement, so that a box that edits the column takes no more than that.
#include <string_view>

namespace shell {

// The n of the column's CHAR(n), VARCHAR(n) or NVARCHAR(n); 0 for a column of
// another type or one the statement does not declare.
int columnWidth(std::string_view createStatement, std::string_view column);

}  // namespace shell
