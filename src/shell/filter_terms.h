#pragma once
// The condition of a filter window: a fixed sequence of terms, each " 1 = 1 "
// when its filter value is empty, joined with " AND ".
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// `sql` followed by the value quoted, or " 1 = 1 " when the value is empty.
std::string filterTerm(std::string_view sql, std::string_view value);
std::string joinTerms(const std::vector<std::string>& terms);

}  // namespace shell
