#pragma once
// The desktop around the program: the clock, and opening files and addresses
// with their default programs.
#include <string>
#include <string_view>

namespace desktop {

// Today as "yyyymmdd". The scenario driver fixes it with setToday.
std::string today();
void setToday(std::string yyyymmdd);
// The moment as "yyyymmdd_hhmmss", for names of produced files; with the day
// fixed, that day at midnight.
std::string timestamp();

// Asks the desktop to open a file or a web/mail address with its default
// program; false when none could open it.
bool open(std::string_view target);

}  // namespace desktop
