#pragma once
// The days an employee worked in the year of the run, over the employee's
// employment periods in the payroll table.
#include <cstddef>
#include <string>
#include <vector>

#include "payments/payroll.h"

namespace payments {

// Sums, over the records from `current` on whose MAT_RAB equals `matRab`
// exactly, the days of each period that fall in `year`: a period without end
// reaches 31 December (begun in another year or never: the whole year); one
// that ended in `year` starts at its start, or 1 January when it began in an
// earlier year or never; one that ended in another year adds nothing, and so
// does one that ends before it starts. Overlapping periods count twice.
// Leaves `current` on the first record after them.
int PRESMETAJDENOVI(const std::vector<Employment>& records, std::size_t& current, const std::string& matRab,
                    int year);

// An employee who worked more than half the year is transferred.
inline bool workedHalfYear(int days) { return days > 182; }

}  // namespace payments
