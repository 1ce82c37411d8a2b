#pragma once
// The payroll's salary files: one record a line, its fields separated by ";",
// and the amounts they hold.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace treasury {

// Each line as the list of its fields, in file order.
using SalaryLines = std::vector<std::vector<std::string>>;

// Lines end with CR LF, LF, CR or CR CR LF; a final line end makes no extra
// line, and a UTF-8 byte-order mark before the first line is dropped. Fields are split at every ";", neither unquoted nor trimmed.
SalaryLines splitSalaryLines(std::string_view content);

// The file's lines; nothing when it cannot be read.
std::optional<SalaryLines> MAKEARRY(const std::string& path);

// An amount field as cents, straight from its digits: digits, optionally "."
// and more digits, blanks around them allowed. Nothing for anything else (a
// comma, a sign, letters), so that no amount is read short or as 0.
std::optional<std::int64_t> salaryAmount(std::string_view field);

}  // namespace treasury
