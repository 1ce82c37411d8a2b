#include "listkit/csv.h"

#include <algorithm>
#include <cstring>

namespace listkit {

namespace {

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

// Copies `n` bytes 16 at a time where `from` may be read that far (up to
// `readable`): one move for most cells instead of a copy of any length. The
// bytes copied beyond `n` land in the buffer's slack and are overwritten next.
constexpr std::size_t slack = 16;
char* copyField(char* out, const char* from, std::size_t n, const char* readable) {
    if (from + ((n + slack - 1) & ~(slack - 1)) > readable) return std::copy_n(from, n, out);
    for (std::size_t i = 0; i < n; i += slack) std::memcpy(out + i, from + i, slack);
    return out + n;
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

void writeCsv(const ExportTable& table, const std::function<bool(std::string_view)>& sink) {
    // Pieces of 64 KB took a third longer to write and save than pieces of a
    // megabyte: every write to the file has its cost.
    constexpr std::size_t chunk = 1 << 20;
    std::string buffer(chunk, '\0');
    std::size_t used = 0;
    bool ok = true;
    // One record: its fields as `field(i)`, `bytes` their text together, which
    // may be read up to `readable`. A record takes at most its text twice over
    // (every byte a quote), three bytes a field more and the copy's slack.
    const auto record = [&](std::size_t fields, std::size_t bytes, bool quotes, const char* readable, auto field) {
        const std::size_t most = (quotes ? 2 * bytes : bytes) + 3 * fields + slack;
        if (used + most > buffer.size() && used > 0) {
            ok = ok && sink(std::string_view(buffer.data(), used));
            used = 0;
        }
        if (most > buffer.size()) buffer.resize(most);
        char* p = buffer.data() + used;
        for (std::size_t i = 0; i < fields; ++i) {
            const std::string_view text = field(i);
            *p++ = '"';
            p = quotes ? putDoubled(p, text, firstQuote(text)) : copyField(p, text.data(), text.size(), readable);
            *p++ = '"';
            *p++ = i + 1 == fields ? '\r' : ',';
        }
        used = static_cast<std::size_t>(p - buffer.data());
    };
    const auto& captions = table.captions;
    if (!captions.empty()) {
        std::size_t bytes = 0;
        for (const auto& c : captions) bytes += c.size();
        record(captions.size(), bytes, true, nullptr, [&](std::size_t i) { return std::string_view(captions[i]); });
    }
    const ui::TextTable& lines = table.lines;
    for (std::size_t r = 0; r < lines.rows() && ok; ++r) {
        const std::string_view text = lines.rowText(r);
        const std::uint32_t* ends = lines.rowEnds(r).data();
        record(lines.columns(), text.size(), firstQuote(text) != nullptr, text.data() + text.size(), [&](std::size_t c) {
            const std::uint32_t begin = c == 0 ? 0 : ends[c - 1];
            return std::string_view(text.data() + begin, ends[c] - begin);
        });
    }
    if (ok && used > 0) sink(std::string_view(buffer.data(), used));
}

std::string csvBytes(const ExportTable& table) {
    std::string out;
    writeCsv(table, [&](std::string_view piece) {
        out.append(piece);
        return true;
    });
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
