#include "platform/pdf/to_unicode.h"

#include <cstdio>
#include <vector>

namespace pdf {

namespace {

std::string hex16(char32_t unit) {
    char out[5];
    std::snprintf(out, sizeof out, "%04X", static_cast<unsigned>(unit));
    return out;
}

// The character in UTF-16, big-endian, as the map's destination.
std::string utf16(char32_t c) {
    if (c < 0x10000) return "<" + hex16(c) + ">";
    const char32_t v = c - 0x10000;
    return "<" + hex16(0xD800 + (v >> 10)) + hex16(0xDC00 + (v & 0x3FF)) + ">";
}

// Blocks of at most 100 entries, as the CMap syntax allows.
void writeBlocks(std::string& out, const std::vector<std::string>& entries, const char* kind) {
    for (std::size_t at = 0; at < entries.size(); at += 100) {
        const std::size_t n = std::min<std::size_t>(100, entries.size() - at);
        out += std::to_string(n) + " begin" + kind + "\n";
        for (std::size_t i = at; i < at + n; ++i) out += entries[i];
        out += std::string("end") + kind + "\n";
    }
}

}  // namespace

std::string toUnicodeCMap(const std::map<std::uint16_t, char32_t>& characters) {
    std::vector<std::string> ranges, singles;
    for (auto it = characters.begin(); it != characters.end();) {
        // A range keeps the codes' first byte and the characters' all but
        // the last: only the last byte counts up.
        auto last = it;
        for (auto next = std::next(it); next != characters.end() && next->first == last->first + 1 &&
                                        next->second == last->second + 1 && next->second < 0x10000 &&
                                        (next->first >> 8) == (it->first >> 8) && (next->second >> 8) == (it->second >> 8);
             ++next)
            last = next;
        if (last == it)
            singles.push_back("<" + hex16(it->first) + "> " + utf16(it->second) + "\n");
        else
            ranges.push_back("<" + hex16(it->first) + "> <" + hex16(last->first) + "> " + utf16(it->second) + "\n");
        it = std::next(last);
    }
    std::string out =
        "/CIDInit /ProcSet findresource begin\n"
        "12 dict begin\n"
        "begincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n"
        "/CMapType 2 def\n"
        "1 begincodespacerange\n"
        "<0000> <FFFF>\n"
        "endcodespacerange\n";
    writeBlocks(out, ranges, "bfrange");
    writeBlocks(out, singles, "bfchar");
    out +=
        "endcmap\n"
        "CMapName currentdict /CMap defineresource pop\n"
        "end\n"
        "end\n";
    return out;
}

}  // namespace pdf
