#include "treasury/carried_orders.h"

#include "shell/carried_values.h"
#include "shell/dates.h"
#include "shell/layouts.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_list_row.h"

namespace treasury {

std::optional<std::string> unreadableOrderValue(const ui::TextTable& stored) {
    const std::vector<shell::CarriedValue> values = {
        {order::AMOUNT, [](std::string_view v) { return parseCents(v).has_value(); },
         layouts::AHEADERSNALOZI[order::AMOUNT - 1]},
        {order::DUE, shell::isDate, vocab::CVALUELBLDATUMNADOSPEANOST},
    };
    return shell::unreadableValue(stored, values,
                                  [&](std::size_t row) { return vocab::CPORNALOG + orderLabel(stored, row); });
}

}  // namespace treasury
