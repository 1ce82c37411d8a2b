#pragma once
// The paper list of the report settings: entry n (1 to 118) is the paper with
// number n in the printer drivers' numbering, entry 119 the user-defined size.
#include <string>
#include <vector>

namespace gridreport {

inline constexpr int userDefinedEntry = 119;

const std::vector<std::string>& paperNames();

// The paper number of an entry of the list: 256 for "User Defined".
int paperNumber(int entry);
// The entry to select first for a requested paper: 0 (Letter) gives 1, 256
// gives "User Defined", any other number is its own entry.
int paperEntry(int paper);

}  // namespace gridreport
