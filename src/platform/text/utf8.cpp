#include "platform/text/utf8.h"

#include <algorithm>
#include <cstring>

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

std::string oneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
    }
    return out;
}

namespace {
// Writes the upper case of `text` to `out`, as many bytes: a-z to A-Z;
// Cyrillic а..я (U+0430..U+044F) to А..Я (U+0410..U+042F) and ѐ..џ
// (U+0450..U+045F) to Ѐ..Џ (U+0400..U+040F), two bytes each; every other
// character unchanged.
void upperInto(std::string_view text, char* out) {
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out[i++] = static_cast<char>(b >= 'a' && b <= 'z' ? b - ('a' - 'A') : b);
            continue;
        }
        const std::size_t length = std::min(charLength(b), n - i);
        if (length == 2 && (b == 0xD0 || b == 0xD1)) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            const unsigned cp = ((b & 0x1Fu) << 6) | (second & 0x3Fu);
            const unsigned up = cp >= 0x430 && cp <= 0x44F ? cp - 0x20 : cp >= 0x450 && cp <= 0x45F ? cp - 0x50 : cp;
            out[i] = up == cp ? text[i] : static_cast<char>(0xC0 | (up >> 6));
            out[i + 1] = up == cp ? text[i + 1] : static_cast<char>(0x80 | (up & 0x3F));
            i += 2;
            continue;
        }
        for (std::size_t k = 0; k < length; ++k, ++i) out[i] = text[i];
    }
}
}  // namespace

std::string upper(std::string_view text) {
    std::string out;
    appendUpper(out, text);
    return out;
}

void appendUpper(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.resize(start + text.size());
    upperInto(text, out.data() + start);
}

std::string smallLetters(std::string_view upperText) {
    std::string out(upperText);
    for (std::size_t i = 0; i < out.size();) {
        const Decoded c = decode(upperText, i);
        if (c.length == 0) {
            ++i;
            continue;
        }
        const char32_t cp = c.codePoint;
        if (cp >= U'A' && cp <= U'Z') {
            out[i] = static_cast<char>(cp + 0x20);
        } else if (cp >= 0x400 && cp <= 0x42F) {
            const char32_t small = cp >= 0x410 ? cp + 0x20 : cp + 0x50;
            out[i] = static_cast<char>(0xC0 | (small >> 6));
            out[i + 1] = static_cast<char>(0x80 | (small & 0x3F));
        }
        i += c.length;
    }
    return out;
}

bool upperEquals(std::string_view text, std::string_view upperText) {
    if (text.size() != upperText.size()) return false;
    // In pieces that end on a character boundary, through a buffer on the stack.
    char piece[256];
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view part = cutBytes(text.substr(at), sizeof piece);
        upperInto(part, piece);
        if (std::memcmp(piece, upperText.data() + at, part.size()) != 0) return false;
        at += part.size();
    }
    return true;
}

void append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace utf8
