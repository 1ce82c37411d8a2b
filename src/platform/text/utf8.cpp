#include "platform/text/utf8.h"

namespace utf8 {

std::size_t charLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

Decoded decode(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t n = charLength(lead);
    if (n == 1) return lead < 0x80 ? Decoded{lead, 1} : Decoded{};
    if (at + n > text.size()) return {};
    char32_t cp = lead & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < smallest[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
    return {cp, n};
}

std::vector<std::string_view> chars(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = charLength(static_cast<unsigned char>(text[i]));
        if (i + n > text.size()) n = text.size() - i;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

bool valid(std::string_view text) {
    for (std::size_t i = 0, n = 0; i < text.size(); i += n)
        if ((n = decode(text, i).length) == 0) return false;
    return true;
}

std::size_t length(std::string_view text) { return chars(text).size(); }

std::string_view cutBytes(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = charLength(static_cast<unsigned char>(text[i]));
        if (i + n > bytes) break;
        i += n;
        end = i;
    }
    return text.substr(0, end);
}

std::string fitBytes(std::string_view text, std::size_t bytes) {
    std::string out(cutBytes(text, bytes));
    out.resize(bytes, ' ');
    return out;
}

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

namespace {
// Cyrillic U+0400..U+045F: lower а..я (U+0430..U+044F) -> U+0410..U+042F,
// ѐ..џ (U+0450..U+045F) -> U+0400..U+040F.
std::string upperChar(std::string_view c) {
    if (c.size() == 1) {
        const char ch = c[0];
        if (ch >= 'a' && ch <= 'z') return std::string(1, static_cast<char>(ch - 'a' + 'A'));
        return std::string(c);
    }
    if (c.size() == 2) {
        const unsigned cp = ((static_cast<unsigned char>(c[0]) & 0x1Fu) << 6) | (static_cast<unsigned char>(c[1]) & 0x3Fu);
        unsigned up = cp;
        if (cp >= 0x430 && cp <= 0x44F) up = cp - 0x20;
        else if (cp >= 0x450 && cp <= 0x45F) up = cp - 0x50;
        if (up != cp) {
            std::string out;
            out += static_cast<char>(0xC0 | (up >> 6));
            out += static_cast<char>(0x80 | (up & 0x3F));
            return out;
        }
    }
    return std::string(c);
}
}  // namespace

std::string upper(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (auto c : chars(text)) out += upperChar(c);
    return out;
}

}  // namespace utf8
