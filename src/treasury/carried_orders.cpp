#include "treasury/carried_orders.h"

#include "shell/carried_values.h"
#include "shell/dates.h"
#include "shell/layouts.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_list_row.h"

namespace treasury {

namespace {

// The amounts column keeps an amount with cents as a floating-point number,
// which the database reads back with 15 significant digits: from 10^13 on,
// that leaves no room for both cent digits.
constexpr std::int64_t firstInexactCents = 1'000'000'000'000'000;

// Whether an amount that reads is read to the cent (one that does not read
// is refused as such first).
bool readExactly(std::string_view stored) {
    const auto cents = parseCents(stored);
    return !cents || (*cents > -firstInexactCents && *cents < firstInexactCents);
}

}  // namespace

std::optional<std::string> unreadableOrderValue(const ui::TextTable& stored) {
    // Made once: a batch checks its stored orders one at a time.
    static const std::string& amount = layouts::AHEADERSNALOZI[order::AMOUNT - 1];
    static const std::vector<shell::CarriedValue> values = {
        {order::AMOUNT, [](std::string_view v) { return parseCents(v).has_value(); }, amount},
        {order::AMOUNT, readExactly, amount, vocab::CPORPREGOLEMZACUVANIZNOS},
        {order::DUE, shell::isDate, vocab::CVALUELBLDATUMNADOSPEANOST},
    };
    return shell::unreadableValue(stored, values,
                                  [&](std::size_t row) { return vocab::CPORNALOG + orderLabel(stored, row); });
}

}  // namespace treasury
