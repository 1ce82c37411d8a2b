#include "gridreport/settings_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/text/utf8.h"

namespace gridreport {

namespace {

constexpr std::size_t maxCount = 9999;

std::string count4(std::size_t n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%4zu", n);
    return buffer;
}

std::string element(const Value& v) {
    std::string letter, text;
    switch (v.kind) {
        case Value::List: return ATOC(v.list);
        case Value::Text: letter = "C", text = v.text; break;
        case Value::Number: letter = "N", text = XCHAR(v.number); break;
        case Value::Logical: letter = "L", text = v.logical ? "T" : "F"; break;
        case Value::Absent: letter = "U", text = "NIL"; break;
    }
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

const Value* at(const std::vector<Value>& list, std::size_t i) { return i < list.size() ? &list[i] : nullptr; }
std::string textOf(const Value* v) { return v && v->kind == Value::Text ? v->text : ""; }
double numberOf(const Value* v) { return v && v->kind == Value::Number ? v->number : 0; }

}  // namespace

std::string XCHAR(double number) {
    char buffer[64];
    if (number == std::trunc(number) && std::fabs(number) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", number);
    else
        std::snprintf(buffer, sizeof buffer, "%.2f", number);
    return buffer;
}

std::string ATOC(const std::vector<Value>& list) {
    std::string body;
    for (const Value& v : list) body += element(v);
    const std::size_t n = utf8::length(body);
    if (n > maxCount) return "A" + count4(0);
    return "A" + count4(n) + body;
}

std::vector<Value> CTOA(std::string_view text) {
    std::vector<Value> out;
    std::size_t at = takeChars(text, 0, 5).size();
    while (at < text.size()) {
        const char letter = text[at];
        const std::string_view count = takeChars(text, at + 1, 4);
        const long n = std::strtol(std::string(count).c_str(), nullptr, 10);
        if (count.size() < 4 || n < 0) break;
        const std::size_t bodyAt = at + 1 + count.size();
        if (letter == 'A') {
            const std::string_view nested = takeChars(text, at, static_cast<std::size_t>(n) + 5);
            out.push_back(Value::of(CTOA(nested)));
            at += nested.size();
            continue;
        }
        const std::string_view body = takeChars(text, bodyAt, static_cast<std::size_t>(n));
        switch (letter) {
            case 'C': out.push_back(Value::of(std::string(body))); break;
            case 'N': out.push_back(Value::of(std::atof(std::string(body).c_str()))); break;
            case 'L': out.push_back(Value::of(body == "T")); break;
            default: out.push_back(Value{}); break;
        }
        at = bodyAt + body.size();
    }
    return out;
}

void saveSettings(ini::File& file, const ReportState& s, const Settings& v) {
    const std::string section = s.section();
    std::vector<Value> columns;
    for (const Column& c : s.COLUMNARR)
        columns.push_back(Value::of({Value::of(c.caption), Value::of(c.width), Value::of(double(c.include))}));
    std::vector<Value> merge;
    for (const MergeRow& m : v.mergeList)
        merge.push_back(Value::of({Value::of(double(m.from)), Value::of(double(m.to)), Value::of(m.text)}));
    const std::string values[] = {
        ATOC(columns),
        ATOC({Value::of(v.headers[0]), Value::of(v.headers[1]), Value::of(v.headers[2])}),
        v.footer,
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

std::optional<StoredSettings> storedSettings(const ini::File& file, const std::string& section) {
    if (!names(file, section)) return std::nullopt;
    const auto read = [&](int n) { return file.read(section, key(n)).value_or(""); };
    const auto number = [&](int n) { return std::atof(read(n).c_str()); };
    const auto whole = [&](int n) { return static_cast<int>(number(n)); };
    const auto logical = [&](int n) { return read(n) == "T"; };
    StoredSettings stored;
    for (const Value& entry : CTOA(read(1))) {
        if (entry.kind != Value::List) continue;
        stored.columns.push_back({static_cast<int>(numberOf(at(entry.list, 2))), textOf(at(entry.list, 0)),
                                  numberOf(at(entry.list, 1)), 0});
    }
    Settings& v = stored.settings;
    const auto headers = CTOA(read(2));
    for (std::size_t i = 0; i < 3; ++i) v.headers[i] = textOf(at(headers, i));
    v.footer = read(3);
    v.fontEntry = whole(4);
    v.lengthyLine = whole(5);
    v.pagination = whole(6);
    v.columnLines = logical(7);
    v.rowLines = logical(8);
    v.centre = logical(9);
    v.spread = logical(10);
    v.orientation = whole(11);
    v.printer = whole(12);
    v.paper = whole(13);
    v.width = number(14);
    v.height = number(15);
    v.top = number(16);
    v.right = number(17);
    v.left = number(18);
    v.bottom = number(19);
    for (const Value& entry : CTOA(read(20))) {
        if (entry.kind != Value::List) continue;
        v.mergeList.push_back({static_cast<int>(numberOf(at(entry.list, 0))),
                               static_cast<int>(numberOf(at(entry.list, 1))), textOf(at(entry.list, 2))});
    }
    return stored;
}

void removeSettings(ini::File& file, const std::string& section) {
    if (names(file, section)) file.removeSection(section);
}

}  // namespace gridreport
