#pragma once
// A window reads its date boxes only when each holds a date that exists, or
// nothing where it may stay empty: 31.02.2026 or a half-typed date is never
// turned into another date or into none.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace shell {

// A date box by its control name and the name the user knows it by (its label
// or tooltip).
using DateBox = std::pair<std::string, std::string_view>;

// True when every box holds such a date. Otherwise the user is told which box
// (the first that does not) and whether its date is not whole or does not
// exist, the focus goes to it, and false.
bool datesReady(const std::string& window, const std::vector<DateBox>& boxes);

}  // namespace shell
