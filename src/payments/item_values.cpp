#include "payments/item_values.h"

#include "shell/udfs.h"

namespace payments {

std::string itemLabel(const ui::TextTable& rows, std::size_t row) {
    return std::string(itemValue(rows, row, item::ID)) + " " + shell::trimmed(itemValue(rows, row, item::firstName)) + " " +
           shell::trimmed(itemValue(rows, row, item::surname));
}

}  // namespace payments
