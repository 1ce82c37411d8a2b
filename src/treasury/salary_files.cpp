#include "treasury/salary_files.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/text/utf8.h"
#include "treasury/amounts.h"

namespace treasury {

namespace {

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
    const std::string_view number = utf8::trimBlanks(field);
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    std::size_t i = 0;
    while (i < number.size() && digit(number[i])) ++i;
    if (i == 0) return std::nullopt;
    if (i < number.size() && number[i] == '.') {
        const std::size_t decimals = ++i;
        while (i < number.size() && digit(number[i])) ++i;
        if (i == decimals) return std::nullopt;
    }
    if (i != number.size()) return std::nullopt;
    return centsOf(std::strtod(std::string(number).c_str(), nullptr));
}

}  // namespace treasury
