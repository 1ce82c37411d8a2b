#include "platform/ui/mask.h"

#include "platform/text/utf8.h"

namespace ui::mask {

namespace {
bool isInput(char m) { return m == '9' || m == '!'; }
}

std::string blank(std::string_view mask) {
    std::string out;
    for (char m : mask) out += isInput(m) ? ' ' : m;
    return out;
}

bool accepts(char m, std::string_view c) {
    if (m == '9') return c.size() == 1 && ((c[0] >= '0' && c[0] <= '9') || c[0] == ' ');
    return m == '!';
}

std::string upper(std::string_view c) { return utf8::upper(c); }

std::string typeOver(std::string_view mask, std::string_view text, std::string_view typed,
                     std::size_t from, std::size_t* caret) {
    std::vector<std::string> cells;
    for (auto c : utf8::chars(text)) cells.emplace_back(c);
    cells.resize(mask.size(), " ");
    for (std::size_t i = 0; i < mask.size(); ++i)
        if (!isInput(mask[i])) cells[i] = std::string(1, mask[i]);

    std::size_t pos = from;
    for (auto c : utf8::chars(typed)) {
        while (pos < mask.size() && !isInput(mask[pos])) ++pos;
        if (pos >= mask.size()) break;
        if (!accepts(mask[pos], c)) continue;
        cells[pos] = mask[pos] == '!' ? upper(c) : std::string(c);
        ++pos;
    }
    if (caret) *caret = pos;
    std::string out;
    for (const auto& c : cells) out += c;
    return out;
}

}  // namespace ui::mask

namespace ui::mask {

namespace {
struct NumberShape {
    int integerDigits = 0, decimals = 0;
    bool grouped = false;
};
NumberShape shapeOf(std::string_view mask) {
    NumberShape s;
    bool afterPoint = false;
    for (char m : mask) {
        if (m == '.') afterPoint = true;
        else if (m == ',') s.grouped = true;
        else if (m == '9') (afterPoint ? s.decimals : s.integerDigits)++;
    }
    return s;
}
}  // namespace

std::optional<std::string> formatNumber(std::string_view mask, double value) {
    const NumberShape s = shapeOf(mask);
    double scale = 1;
    for (int i = 0; i < s.decimals; ++i) scale *= 10;
    const bool negative = value < 0;
    const double scaled = (negative ? -value : value) * scale + 0.5;  // half away from zero
    if (scaled >= 9.2e18) return std::nullopt;
    const auto cents = static_cast<long long>(scaled);
    long long whole = cents;
    std::string decimals;
    for (int i = 0; i < s.decimals; ++i) {
        decimals.insert(decimals.begin(), static_cast<char>('0' + whole % 10));
        whole /= 10;
    }
    std::string digits = std::to_string(whole);
    if (static_cast<int>(digits.size()) > s.integerDigits) return std::nullopt;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (s.grouped && i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    if (negative && cents != 0) text.insert(text.begin(), '-');
    if (s.decimals > 0) text += "." + decimals;
    if (text.size() < mask.size()) text.insert(0, mask.size() - text.size(), ' ');
    return text;
}

double parseNumber(std::string_view mask, std::string_view text) {
    std::string clean;
    for (char c : text)
        if (c != ',' && c != ' ') clean += c;
    if (clean.empty()) return 0;
    std::size_t used = 0;
    double v = 0;
    try {
        v = std::stod(clean, &used);
    } catch (...) {
        return 0;
    }
    if (used != clean.size()) return 0;
    return formatNumber(mask, v) ? v : 0;
}

}  // namespace ui::mask
