#include "payments/shown_dates.h"

#include <chrono>

namespace payments {

std::optional<std::string> storedDate(std::string_view shown) {
    if (shown.size() != 10 || shown[2] != '.' || shown[5] != '.') return std::nullopt;
    const std::string digits = std::string(shown.substr(6, 4)) + std::string(shown.substr(3, 2)) +
                               std::string(shown.substr(0, 2));
    if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    using namespace std::chrono;
    const year_month_day day{year{std::stoi(digits.substr(0, 4))}, month{unsigned(std::stoi(digits.substr(4, 2)))},
                             std::chrono::day{unsigned(std::stoi(digits.substr(6, 2)))}};
    if (!day.ok()) return std::nullopt;
    return digits;
}

}  // namespace payments
