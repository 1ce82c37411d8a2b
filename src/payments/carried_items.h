#pragma once
// The stored values of payment items that each outside file carries; the
// selected items are refused, naming the first such value, before the file.
#include <vector>

#include "shell/carried_values.h"

namespace payments {

// The revenue-office XML file: the advance, the gross and the VAT (whole
// numbers, not negative) and the decision date (a date, or none: empty or
// blanks).
std::vector<shell::CarriedValue> xmlValues();

// The treasury orders made from paid items: the net and the tax (whole
// numbers, not negative).
std::vector<shell::CarriedValue> paidOrderValues();

}  // namespace payments
