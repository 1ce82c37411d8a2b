#include "gridreport/settings_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "gridreport/paper.h"
#include "platform/text/utf8.h"

namespace gridreport {

using shell::Value;
using shell::ValueList;

namespace {

constexpr std::size_t maxCount = 9999;

std::string count4(std::size_t n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4zu", n);
    return buffer;
}

std::string element(const Value& v) {
    if (const auto* list = std::get_if<ValueList>(&v)) return ATOC(*list);
    std::string letter = "U", text = "NIL";
    if (const auto* t = std::get_if<std::string>(&v)) letter = "C", text = *t;
    else if (const auto* n = std::get_if<double>(&v)) letter = "N", text = XCHAR(*n);
    else if (const auto* b = std::get_if<bool>(&v)) letter = "L", text = *b ? "T" : "F";
    return letter + count4(utf8::length(text)) + text;
}

// The bytes of the next `n` characters from `at`, clipped to the text.
std::string_view takeChars(std::string_view text, std::size_t at, std::size_t n) {
    std::size_t end = at;
    for (std::size_t k = 0; k < n && end < text.size(); ++k) end += utf8::charLength(static_cast<unsigned char>(text[end]));
    return text.substr(at, std::min(end, text.size()) - at);
}

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

bool names(const ini::File& file, const std::string& section) {
    return lowerAscii(trimmed(file.read(section, "controlname").value_or(""))) == lowerAscii(section);
}

std::string key(int n) { return "gridprintdata" + std::to_string(n); }


}  // namespace

std::string XCHAR(double number) {
    const char* format = number == std::trunc(number) && std::fabs(number) < 1e15 ? "%.0f" : "%.2f";
    // Every digit of the number: the largest doubles have 309 of them.
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, number)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, number);
    return text;
}

std::string ATOC(const ValueList& list) {
    std::string body;
    for (const Value& v : list) body += element(v);
    const std::size_t n = utf8::length(body);
    if (n > maxCount) return "A" + count4(0);
    return "A" + count4(n) + body;
}

ValueList CTOA(std::string_view text) {
    ValueList out;
    std::size_t at = takeChars(text, 0, 5).size();
    while (at < text.size()) {
        const char letter = text[at];
        const std::string_view count = takeChars(text, at + 1, 4);
        const long n = std::strtol(std::string(count).c_str(), nullptr, 10);
        if (count.size() < 4 || n < 0) break;
        const std::size_t bodyAt = at + 1 + count.size();
        if (letter == 'A') {
            const std::string_view nested = takeChars(text, at, static_cast<std::size_t>(n) + 5);
            out.emplace_back(CTOA(nested));
            at += nested.size();
            continue;
        }
        const std::string_view body = takeChars(text, bodyAt, static_cast<std::size_t>(n));
        switch (letter) {
            case 'C': out.emplace_back(std::string(body)); break;
            case 'N': out.emplace_back(std::atof(std::string(body).c_str())); break;
            case 'L': out.emplace_back(body == "T"); break;
            default: out.emplace_back(); break;
        }
        at = bodyAt + body.size();
    }
    return out;
}

void saveSettings(ini::File& file, const ReportState& s, const Settings& v) {
    const std::string section = s.section();
    const auto line = [](std::string text) {
        for (char& c : text)
            if (c == '\r' || c == '\n') c = ' ';
        return text;
    };
    ValueList columns;
    for (const Column& c : s.COLUMNARR) columns.push_back(ValueList{line(c.caption), c.width, double(c.include)});
    ValueList merge;
    for (const MergeRow& m : v.mergeList) merge.push_back(ValueList{double(m.from), double(m.to), line(m.text)});
    const std::string values[] = {
        ATOC(columns),
        ATOC({line(v.headers[0]), line(v.headers[1]), line(v.headers[2])}),
        line(v.footer),
        XCHAR(v.fontEntry),
        XCHAR(v.lengthyLine),
        XCHAR(v.pagination),
        v.columnLines ? "T" : "F",
        v.rowLines ? "T" : "F",
        v.centre ? "T" : "F",
        v.spread ? "T" : "F",
        XCHAR(v.orientation),
        XCHAR(v.printer),
        XCHAR(v.paper),
        XCHAR(v.width),
        XCHAR(v.height),
        XCHAR(v.top),
        XCHAR(v.right),
        XCHAR(v.left),
        XCHAR(v.bottom),
        ATOC(merge),
    };
    file.write(section, "controlname", section);
    for (int n = 1; n <= 20; ++n) file.write(section, key(n), values[n - 1]);
}

namespace {

// The number of a stored text: the whole text, blanks around it allowed, and finite.
std::optional<double> finite(const std::optional<std::string>& stored) {
    if (!stored) return std::nullopt;
    const std::string t = trimmed(*stored);
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<double> within(std::optional<double> v, double low, double high) {
    if (!v || !(*v >= low && *v <= high)) return std::nullopt;  // NaN included
    return std::round(*v * 100) / 100;  // the masks hold two decimals
}

// The integer part of a number, when it lies between low and high.
std::optional<int> entry(std::optional<double> v, int low, int high) {
    if (!v || !std::isfinite(*v)) return std::nullopt;
    const double whole = std::trunc(*v);
    if (whole < low || whole > high) return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<bool> logical(const std::optional<std::string>& stored) {
    if (stored == "T") return true;
    if (stored == "F") return false;
    return std::nullopt;
}

std::optional<double> numberIn(const Value& v) {
    if (const auto* n = std::get_if<double>(&v)) return *n;
    return std::nullopt;
}

// One stored column {caption, width, include}; nothing when it is not one.
std::optional<Column> storedColumn(const Value& v) {
    const auto* list = std::get_if<ValueList>(&v);
    if (!list || list->size() != 3) return std::nullopt;
    const auto* caption = std::get_if<std::string>(&(*list)[0]);
    const auto width = within(numberIn((*list)[1]), 0, 9999.99);
    const auto include = entry(numberIn((*list)[2]), 1, 2);
    if (!caption || !width || !include) return std::nullopt;
    return Column{*include, *caption, *width, 0};
}

std::optional<MergeRow> storedMergeRow(const Value& v) {
    const auto* list = std::get_if<ValueList>(&v);
    if (!list || list->size() != 3) return std::nullopt;
    const auto from = entry(numberIn((*list)[0]), 0, 999);
    const auto to = entry(numberIn((*list)[1]), 0, 999);
    const auto* text = std::get_if<std::string>(&(*list)[2]);
    if (!from || !to || !text) return std::nullopt;
    return MergeRow{*from, *to, *text};
}

constexpr double maxPage = 999.99, maxMargin = 99.99;

}  // namespace

bool marginsWithin(double first, double second, double page) {
    return std::llround(first * 100) + std::llround(second * 100) < std::llround(page * 100);
}

std::optional<StoredSettings> storedSettings(const ini::File& file, const std::string& section, std::size_t columns,
                                             std::size_t printers) {
    if (!names(file, section)) return std::nullopt;
    const auto read = [&](int n) { return file.read(section, key(n)); };
    const auto number = [&](int n) { return finite(read(n)); };
    StoredSettings stored;
    if (const auto list = read(1)) {
        std::vector<Column> restored;
        for (const Value& v : CTOA(*list))
            if (const auto c = storedColumn(v)) restored.push_back(*c);
            else break;
        // A list of another length, or one entry that is not a column, would mix columns up.
        if (restored.size() == columns && CTOA(*list).size() == columns) stored.columns = std::move(restored);
    }
    if (const auto list = read(2)) {
        const auto headers = CTOA(*list);
        for (std::size_t i = 0; i < 3 && i < headers.size(); ++i)
            if (const auto* text = std::get_if<std::string>(&headers[i])) stored.headers[i] = *text;
    }
    stored.footer = read(3);
    stored.fontEntry = entry(number(4), 1, static_cast<int>(FONTSIZESSTR.size()));
    stored.lengthyLine = entry(number(5), WordWrap, Truncate);
    stored.pagination = entry(number(6), PageNoOff, PageNoBottom);
    stored.columnLines = logical(read(7));
    stored.rowLines = logical(read(8));
    stored.centre = logical(read(9));
    stored.spread = logical(read(10));
    stored.orientation = entry(number(11), Landscape, Portrait);
    stored.printer = entry(number(12), 1, static_cast<int>(printers));
    stored.paper = entry(number(13), 1, userDefinedEntry);
    stored.width = within(number(14), 0.01, maxPage);
    stored.height = within(number(15), 0.01, maxPage);
    stored.top = within(number(16), 0, maxMargin);
    stored.right = within(number(17), 0, maxMargin);
    stored.left = within(number(18), 0, maxMargin);
    stored.bottom = within(number(19), 0, maxMargin);
    if (const auto list = read(20)) {
        std::vector<MergeRow> rows;
        for (const Value& v : CTOA(*list))
            if (const auto m = storedMergeRow(v)) rows.push_back(*m);
        stored.mergeList = std::move(rows);
    }
    return stored;
}

void removeSettings(ini::File& file, const std::string& section) {
    if (names(file, section)) file.removeSection(section);
}

}  // namespace gridreport
