#include "treasury/day_after.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace treasury {

std::string dayAfter(std::string_view yyyymmdd) {
    const std::string text(yyyymmdd);
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return text;
    using namespace std::chrono;
    const year_month_day day{year{std::atoi(text.substr(0, 4).c_str())},
                             month{static_cast<unsigned>(std::atoi(text.substr(4, 2).c_str()))},
                             std::chrono::day{static_cast<unsigned>(std::atoi(text.substr(6, 2).c_str()))}};
    if (!day.ok()) return text;
    const year_month_day next{sys_days{day} + days{1}};
    char out[32];  // room for any year the calendar type holds
    std::snprintf(out, sizeof out, "%04d%02u%02u", static_cast<int>(next.year()), static_cast<unsigned>(next.month()),
                  static_cast<unsigned>(next.day()));
    return out;
}

}  // namespace treasury
