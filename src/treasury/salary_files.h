#pragma once
// The payroll's salary files: one record a line, its fields separated by ";",
// and the amounts they hold.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace treasury {

// Each line as the list of its fields, in file order.
using SalaryLines = std::vector<std::vector<std::string>>;

// The longest line a salary file may hold, in bytes: far beyond any record,
// short enough that no file, however large, is held in memory as one line.
constexpr std::size_t maxSalaryLineBytes = 65536;

// Lines end with CR LF, LF, CR or CR CR LF; a final line end makes no extra
// line, and a UTF-8 byte-order mark before the first line is dropped. Fields
// are split at every ";", neither unquoted nor trimmed. The lines end before
// a line longer than maxSalaryLineBytes.
SalaryLines splitSalaryLines(std::string_view content);

// A line's check as it is read: the message that refuses it (the line's
// number and the file follow it), or nothing.
using SalaryLineCheck =
    std::function<std::optional<std::string>(const std::vector<std::string>& fields, std::size_t index)>;

struct SalaryRead {
    SalaryLines lines;
    std::optional<std::string> refusal;  // why the file is refused; then no lines
};

// Reads the file at `path` line by line, each line checked as it comes, so
// that a damaged file stops at its first bad line. Refused: a file that
// cannot be read, a path that is no regular file (named, never waited on: a
// pipe or a device), a line longer than maxSalaryLineBytes, a line `check`
// refuses.
SalaryRead MAKEARRY(const std::string& path, const SalaryLineCheck& check = {});

// An amount field as cents, straight from its digits: digits, optionally "."
// and more digits, blanks around them allowed. Nothing for anything else (a
// comma, a sign, letters), so that no amount is read short or as 0.
std::optional<std::int64_t> salaryAmount(std::string_view field);

}  // namespace treasury
