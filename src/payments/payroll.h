#pragma once
// The payroll program's employee table Radnik.dbf: one record per employment
// period, several records of one employee sharing MAT_RAB. It is read whole
// and checked before anything is changed; this system never writes it.
#include <optional>
#include <string>
#include <vector>

namespace payments {

// One record: character fields at their full width, blanks kept; dates as
// "yyyymmdd", empty when not set.
struct Employment {
    std::string matRab, imeRab, przRab, adrRab, opsRab, kartRab;
    std::string pocRab, krajRab;
};

struct Payroll {
    std::vector<Employment> records;     // in MAT_RAB order, equal keys in file order
    std::optional<std::string> refusal;  // why the table cannot be used; then no records
};

// Reads the table at `path`. Records flagged deleted are read like the
// others. Refused: a table that cannot be opened or read, a missing field or
// one of another kind, a date that is no date, and a byte that is not a
// printable 7-bit character (the table is 7-bit text; anything else would
// become invalid text in the database). The message names record and field.
Payroll readPayroll(const std::string& path);

// The employee table in `folder`: the file radnik.dbf in any letter case
// (Radnik.dbf first); empty when there is none.
std::string payrollFile(const std::string& folder);

// The payroll program's folder on the first of the drives d: and e: that
// holds anything, else on c:. This platform has no drive letters: a drive X:
// is a disk mounted at `drives`/x, as "/mnt/d".
std::string defaultPayrollFolder(const std::string& drives = "/mnt");

}  // namespace payments
