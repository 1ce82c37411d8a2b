#pragma once
// The day after a stored date: a batch is processed the day after it is submitted.
#include <string>
#include <string_view>

namespace treasury {

// "yyyymmdd" of the day after "yyyymmdd"; the text unchanged when it is no date.
std::string dayAfter(std::string_view yyyymmdd);

}  // namespace treasury
