#include "treasury/amounts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/text/utf8.h"

namespace treasury {

std::optional<std::int64_t> parseCents(std::string_view text) {
    std::string_view number = utf8::trimBlanks(text);
    const bool negative = !number.empty() && number.front() == '-';
    if (negative) number.remove_prefix(1);
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0;
    std::int64_t whole = 0;
    constexpr std::int64_t beyond = maxFileCents / 100 + 1;  // more integer digits change nothing
    for (; i < number.size() && digit(number[i]); ++i) whole = std::min(whole * 10 + (number[i] - '0'), beyond);
    if (i == 0) return std::nullopt;
    int cents = 0, roundUp = 0;
    if (i < number.size() && number[i] == '.') {
        const std::size_t first = ++i;
        for (; i < number.size() && digit(number[i]); ++i) {
            const int d = number[i] - '0';
            if (i - first < 2) cents = cents * 10 + d;
            else if (i - first == 2) roundUp = d >= 5 ? 1 : 0;
        }
        if (i == first) return std::nullopt;
        if (i - first == 1) cents *= 10;
    }
    if (i != number.size()) return std::nullopt;
    const std::int64_t value = whole * 100 + cents + roundUp;
    return negative ? -value : value;
}

std::size_t amountDigits(char (&text)[24], std::int64_t cents) {
    // The usual amount without a format string to parse: a file holds one per record.
    constexpr std::int64_t fifteenDigits = 100'000'000'000'000'000;
    if (cents >= 0 && cents < fifteenDigits) {
        std::memset(text, '0', 19);
        text[0] = '+';
        char digits[20];
        const auto n = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, cents / 100).ptr - digits);
        std::memcpy(text + 16 - n, digits, n);
        text[16] = ',';
        text[17] = static_cast<char>('0' + cents % 100 / 10);
        text[18] = static_cast<char>('0' + cents % 10);
        text[19] = '\0';
        return 19;
    }
    const int n = std::snprintf(text, sizeof text, "+%015lld,%02lld", static_cast<long long>(cents / 100),
                                static_cast<long long>(cents % 100));
    return static_cast<std::size_t>(n);
}

std::string amountField(std::int64_t cents) {
    char text[24];
    return std::string(text, amountDigits(text, cents));
}

std::int64_t wholeDenars(std::int64_t cents) {
    const std::int64_t rest = cents % 100;
    return cents / 100 + (rest >= 50 ? 1 : rest <= -50 ? -1 : 0);
}

std::string wholeAmount9(std::int64_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%9lld", static_cast<long long>(wholeDenars(cents)));
    const std::string shown = text;
    return shown.size() > 9 ? std::string(9, '*') : shown;
}

std::string amountText(std::int64_t cents, std::size_t width) {
    const std::uint64_t magnitude =
        cents < 0 ? static_cast<std::uint64_t>(-(cents + 1)) + 1 : static_cast<std::uint64_t>(cents);
    std::string text = std::to_string(magnitude / 100) + "." + (magnitude % 100 < 10 ? "0" : "") +
                       std::to_string(magnitude % 100);
    if (cents < 0) text.insert(text.begin(), '-');
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace treasury
