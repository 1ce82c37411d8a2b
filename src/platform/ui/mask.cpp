#include "platform/ui/mask.h"

#include <algorithm>
#include <charconv>
#include <vector>

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

namespace {
// The text as one cell per mask position, literals in place.
std::vector<std::string> cellsOf(std::string_view mask, std::string_view text) {
    std::vector<std::string> cells;
    for (auto c : utf8::chars(text)) cells.emplace_back(c);
    cells.resize(mask.size(), " ");
    for (std::size_t i = 0; i < mask.size(); ++i)
        if (!isInput(mask[i])) cells[i] = std::string(1, mask[i]);
    return cells;
}
// Whether `c`, typed at `pos`, is the literal that ends a part of two digits
// of which only the first stands before `pos`: people write 5.3.2027 for
// 05.03.2027, so the point closes the part with a leading zero.
bool closesPart(std::string_view mask, const std::vector<std::string>& cells, std::size_t pos, std::string_view c) {
    if (pos < 1 || pos + 1 >= mask.size() || c.size() != 1 || isInput(mask[pos + 1]) || c[0] != mask[pos + 1]) return false;
    const bool partStart = pos == 1 || !isInput(mask[pos - 2]);
    return partStart && mask[pos - 1] == '9' && mask[pos] == '9' && cells[pos - 1] != " ";
}
std::string joined(const std::vector<std::string>& cells) {
    std::string out;
    for (const auto& c : cells) out += c;
    return out;
}
}  // namespace

std::string clear(std::string_view mask, std::string_view text, std::size_t from, std::size_t to) {
    auto cells = cellsOf(mask, text);
    for (std::size_t i = from; i < to && i < mask.size(); ++i)
        if (isInput(mask[i])) cells[i] = " ";
    return joined(cells);
}

std::string removeAt(std::string_view mask, std::string_view text, std::size_t at) {
    auto cells = cellsOf(mask, text);
    if (at >= mask.size() || !isInput(mask[at])) return joined(cells);
    std::size_t i = at;
    for (; i + 1 < mask.size() && isInput(mask[i + 1]); ++i)
        cells[i] = accepts(mask[i], cells[i + 1]) ? cells[i + 1] : " ";
    cells[i] = " ";
    return joined(cells);
}

std::optional<std::size_t> inputBefore(std::string_view mask, std::size_t pos) {
    for (std::size_t i = std::min(pos, mask.size()); i > 0; --i)
        if (isInput(mask[i - 1])) return i - 1;
    return std::nullopt;
}

std::optional<std::size_t> inputFrom(std::string_view mask, std::size_t pos) {
    for (std::size_t i = pos; i < mask.size(); ++i)
        if (isInput(mask[i])) return i;
    return std::nullopt;
}

std::size_t textEnd(std::string_view mask, std::string_view text) {
    const auto cells = cellsOf(mask, text);
    for (std::size_t i = mask.size(); i > 0; --i)
        if (isInput(mask[i - 1]) && cells[i - 1] != " ") return i;
    return inputFrom(mask, 0).value_or(0);
}

std::string typeOver(std::string_view mask, std::string_view text, std::string_view typed,
                     std::size_t from, std::size_t* caret) {
    auto cells = cellsOf(mask, text);
    std::size_t pos = from;
    for (auto c : utf8::chars(typed)) {
        if (closesPart(mask, cells, pos, c)) {
            cells[pos] = cells[pos - 1];
            cells[pos - 1] = "0";
            pos += 2;
            continue;
        }
        while (pos < mask.size() && !isInput(mask[pos])) ++pos;
        if (pos >= mask.size()) break;
        if (!accepts(mask[pos], c)) continue;
        cells[pos] = mask[pos] == '!' ? upper(c) : std::string(c);
        ++pos;
    }
    if (caret) *caret = pos;
    return joined(cells);
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

bool typableNumber(std::string_view mask, std::string_view text) {
    const NumberShape s = shapeOf(mask);
    int before = 0, after = 0;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') ++(point ? after : before);
        else if (c == '.' && s.decimals > 0 && !point) point = true;
        else if (!((c == '-' && i == 0) || (c == ',' && s.grouped && !point))) return false;
    }
    return before <= s.integerDigits && after <= s.decimals;
}

std::optional<std::string> typedNumber(std::string_view mask, std::string_view text, int* caret) {
    std::string out(text);
    const std::size_t first = out.starts_with('-') ? 1 : 0;
    while (out.size() > first + 1 && out[first] == '0' && out[first + 1] >= '0' && out[first + 1] <= '9') {
        out.erase(first, 1);
        if (caret && *caret > static_cast<int>(first)) --*caret;
    }
    if (!typableNumber(mask, out)) return std::nullopt;
    return out;
}

bool fitsNumber(std::string_view mask, std::string_view text) {
    const std::string_view t = utf8::trimBlanks(text);
    return t.empty() || (typableNumber(mask, t) && t.find_first_of("0123456789") != std::string_view::npos);
}

double parseNumber(std::string_view mask, std::string_view text) {
    if (!fitsNumber(mask, text)) return 0;
    std::string digits;
    for (char c : utf8::trimBlanks(text))
        if (c != ',') digits += c;
    double v = 0;  // from_chars reads the point whatever the locale
    std::from_chars(digits.data(), digits.data() + digits.size(), v);
    return v;
}

}  // namespace ui::mask
