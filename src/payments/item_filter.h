#pragma once
// The combos both payment filters share (the overview's and the report's):
// recipient, revenue type, sub-revenue and payment type, each starting with a
// blank item that means "all", none chosen when the filter opens.
#include <memory>
#include <string>

#include "payments/sub_revenue_combo.h"
#include "platform/text/text_table.h"

namespace payments {

struct ItemFilterRows {
    ui::TextTable recipients, paymentTypes;
    RevenueRows revenue;
};

// The IDs chosen ("" for the blank item or no choice).
struct ItemFilterChoice {
    std::string recipientId, revenueTypeId, subRevenueId, paymentTypeId;
};

// The four lookups, read when the filter opens.
std::shared_ptr<ItemFilterRows> readItemFilterRows();

// Items of lookup rows behind a blank first item: second value trimmed, "-",
// third value trimmed.
std::vector<std::string> blankFirstItems(const ui::TextTable& rows);

// Labels "lbl<Prefix>..." and combos "cb<Prefix>PrimaciOpis", "cb<Prefix>TipoviPrihodi",
// "cb<Prefix>Potprihodi", "cb<Prefix>TipoviPlacanja" of `window`, one under
// the other from `row`, `step` pixels apart.
void addItemFilterCombos(const std::string& window, const std::string& prefix, int row, int step, int labelCol,
                         int comboCol, const std::shared_ptr<ItemFilterRows>& rows);

ItemFilterChoice chosenItemFilter(const std::string& window, const std::string& prefix, const ItemFilterRows& rows);

// The ID of the lookup row chosen in a combo with a blank first item.
std::string chosenId(const ui::TextTable& rows, int position);

}  // namespace payments
