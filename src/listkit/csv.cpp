#include "listkit/csv.h"

#include <algorithm>
#include <cstring>
#include <future>

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
    constexpr std::size_t chunk = 1 << 20;
    // Two buffers: one is filled while the sink writes the other on a thread
    // of its own, so formatting and writing overlap.
    std::string buffer(chunk, '\0'), written(chunk, '\0');
    std::size_t used = 0;
    std::future<bool> writing;
    bool ok = true;
    const auto handOver = [&] {
        if (writing.valid()) ok = writing.get() && ok;
        std::swap(buffer, written);
        if (ok)
            writing = std::async(std::launch::async,
                                 [&sink, piece = std::string_view(written.data(), used)] { return sink(piece); });
        used = 0;
    };
    // One record: its fields as `field(i)`, `bytes` their text together. A
    // record takes at most its text twice over (every byte a quote) and three
    // bytes a field more.
    const auto record = [&](std::size_t fields, std::size_t bytes, bool quotes, auto field) {
        const std::size_t most = (quotes ? 2 * bytes : bytes) + 3 * fields;
        if (used + most > buffer.size() && used > 0) handOver();
        if (most > buffer.size()) buffer.resize(most);
        char* p = buffer.data() + used;
        for (std::size_t i = 0; i < fields; ++i) {
            const std::string_view text = field(i);
            *p++ = '"';
            p = quotes ? putDoubled(p, text, firstQuote(text)) : std::copy_n(text.data(), text.size(), p);
            *p++ = '"';
            *p++ = i + 1 == fields ? '\r' : ',';
        }
        used = static_cast<std::size_t>(p - buffer.data());
    };
    const auto& captions = table.captions;
    if (!captions.empty()) {
        std::size_t bytes = 0;
        for (const auto& c : captions) bytes += c.size();
        record(captions.size(), bytes, true, [&](std::size_t i) { return std::string_view(captions[i]); });
    }
    const ui::TextTable& lines = table.lines;
    for (std::size_t r = 0; r < lines.rows() && ok; ++r) {
        const std::string_view text = lines.rowText(r);
        const std::uint32_t* ends = lines.rowEnds(r).data();
        record(lines.columns(), text.size(), firstQuote(text) != nullptr, [&](std::size_t c) {
            const std::uint32_t begin = c == 0 ? 0 : ends[c - 1];
            return std::string_view(text.data() + begin, ends[c] - begin);
        });
    }
    if (ok && used > 0) handOver();
    if (writing.valid()) writing.get();
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
