#include "listkit/csv.h"

#include <algorithm>
#include <cstring>

namespace listkit {

namespace {

// Every field in the list's rows, captions first, each with whether it ends its record.
template <class Field>
void eachField(const ExportTable& table, Field field) {
    const std::size_t captions = table.captions.size();
    for (std::size_t c = 0; c < captions; ++c) field(std::string_view(table.captions[c]), c + 1 == captions);
    const ui::TextTable& lines = table.lines;
    const std::size_t columns = lines.columns();
    for (std::size_t r = 0; r < lines.rows(); ++r)
        for (std::size_t c = 0; c < columns; ++c) field(lines.cell(r, c), c + 1 == columns);
}

// Copies the text with its double quotes doubled, the first at `quote` (or
// none); returns the end of the copy.
char* putDoubled(char* out, std::string_view text, const char* quote) {
    while (quote) {
        const auto n = static_cast<std::size_t>(quote - text.data()) + 1;
        out = std::copy_n(text.data(), n, out);
        *out++ = '"';
        text.remove_prefix(n);
        quote = static_cast<const char*>(std::memchr(text.data(), '"', text.size()));
    }
    return std::copy_n(text.data(), text.size(), out);
}

const char* firstQuote(std::string_view text) {
    return static_cast<const char*>(std::memchr(text.data(), '"', text.size()));
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string _PARSEQUOTE(std::string_view text) {
    std::string out(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '"')), '\0');
    putDoubled(out.data(), text, firstQuote(text));
    return out;
}

std::string csvBytes(const ExportTable& table) {
    // Every field is its text, the two quotes around it and the comma or
    // carriage return after it, plus one byte for each double quote in it: the
    // size is exact before the first quote and grows only for quotes.
    std::size_t size = table.lines.textBytes() + 3 * table.lines.rows() * table.lines.columns();
    for (const auto& c : table.captions) size += c.size() + 3;
    std::string out(size, '\0');
    char* p = out.data();
    eachField(table, [&](std::string_view text, bool last) {
        const char* quote = firstQuote(text);
        if (quote) {
            const std::size_t used = static_cast<std::size_t>(p - out.data());
            const auto quotes = static_cast<std::size_t>(std::count(text.begin(), text.end(), '"'));
            out.resize(std::max(out.size() + quotes, 2 * out.size()));
            size += quotes;
            p = out.data() + used;
        }
        *p++ = '"';
        p = putDoubled(p, text, quote);
        *p++ = '"';
        *p++ = last ? '\r' : ',';
    });
    out.resize(size);
    return out;
}

std::string csvFileName(std::string name) {
    constexpr std::string_view suffix = ".csv";
    bool hasSuffix = name.size() >= suffix.size();
    for (std::size_t i = 0; hasSuffix && i < suffix.size(); ++i)
        hasSuffix = lowerAscii(name[name.size() - suffix.size() + i]) == suffix[i];
    if (!hasSuffix) name += suffix;
    return name;
}

}  // namespace listkit
