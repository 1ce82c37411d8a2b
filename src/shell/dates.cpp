#include "shell/dates.h"

#include <chrono>

namespace shell {

namespace {

bool digits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int number(std::string_view digitText) {
    int n = 0;
    for (char c : digitText) n = n * 10 + (c - '0');
    return n;
}

bool validDate(std::string_view year, std::string_view month, std::string_view day) {
    if (!digits(year) || !digits(month) || !digits(day)) return false;
    const std::chrono::year_month_day date{std::chrono::year{number(year)},
                                           std::chrono::month{static_cast<unsigned>(number(month))},
                                           std::chrono::day{static_cast<unsigned>(number(day))}};
    return date.ok();
}

}  // namespace

bool isDate(std::string_view s) { return s.size() == 8 && validDate(s.substr(0, 4), s.substr(4, 2), s.substr(6, 2)); }

std::string shownDate(std::string_view s) {
    if (!isDate(s)) return std::string(BLANKDATE);
    return std::string(s.substr(6, 2)) + "." + std::string(s.substr(4, 2)) + "." + std::string(s.substr(0, 4));
}

std::string storedDate(std::string_view s) {
    if (s.size() != 10 || s[2] != '.' || s[5] != '.' || !validDate(s.substr(6, 4), s.substr(3, 2), s.substr(0, 2)))
        return {};
    return std::string(s.substr(6, 4)) + std::string(s.substr(3, 2)) + std::string(s.substr(0, 2));
}

}  // namespace shell
