#include "treasury/amounts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace treasury {

std::int64_t centsOf(double amount) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    if (std::isnan(amount)) return max;
    if (std::fabs(amount) >= 1e16) return amount < 0 ? -max : max;
    // Four decimals hold the digits as typed; the binary error lies below them.
    char text[40];
    std::snprintf(text, sizeof text, "%.4f", std::fabs(amount));
    const char* point = std::strchr(text, '.');
    const std::int64_t whole = std::strtoll(text, nullptr, 10);
    const int tenThousandths = std::atoi(point + 1);
    const std::int64_t cents = whole * 100 + tenThousandths / 100 + (tenThousandths % 100 >= 50 ? 1 : 0);
    return amount < 0 ? -cents : cents;
}

std::string amountField(std::int64_t cents) {
    char text[24];
    std::snprintf(text, sizeof text, "+%015lld,%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    return text;
}

std::string wholeAmount9(std::int64_t cents) {
    const std::int64_t rest = cents % 100;
    const std::int64_t whole = cents / 100 + (rest >= 50 ? 1 : rest <= -50 ? -1 : 0);
    char text[32];
    std::snprintf(text, sizeof text, "%9lld", static_cast<long long>(whole));
    const std::string shown = text;
    return shown.size() > 9 ? std::string(9, '*') : shown;
}

}  // namespace treasury
