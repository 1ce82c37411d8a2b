#include "treasury/salary_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/text/utf8.h"
#include "treasury/amounts.h"

namespace treasury {

namespace {

// Editors that save UTF-8 may put these three bytes before the first line.
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string> fieldsOf(std::string_view line) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        fields.emplace_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

// The length of the line end at `at`: CR CR LF, CR LF, LF or CR.
std::size_t lineEndLength(std::string_view text, std::size_t at) {
    if (text[at] == '\n') return 1;
    if (text.substr(at, 3) == "\r\r\n") return 3;
    if (text.substr(at, 2) == "\r\n") return 2;
    return 1;
}

}  // namespace

SalaryLines splitSalaryLines(std::string_view content) {
    if (content.starts_with(byteOrderMark)) content.remove_prefix(byteOrderMark.size());
    SalaryLines lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(fieldsOf(content.substr(start)));
            break;
        }
        lines.push_back(fieldsOf(content.substr(start, end - start)));
        start = end + lineEndLength(content, end);
    }
    return lines;
}

std::optional<SalaryLines> MAKEARRY(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return splitSalaryLines(content);
}

std::optional<std::int64_t> salaryAmount(std::string_view field) {
    if (utf8::trimBlanks(field).starts_with('-')) return std::nullopt;
    return parseCents(field);
}

}  // namespace treasury
