#include "payments/item_filter.h"

#include "payments/transakcii_sql.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

std::shared_ptr<ItemFilterRows> readItemFilterRows() {
    auto rows = std::make_shared<ItemFilterRows>();
    sqlite3* db = shell::app().DB;
    rows->recipients = shell::SQL(db, RECIPIENTROWS);
    rows->revenue.revenueTypes = shell::SQL(db, revenueTypeRows(false));
    rows->paymentTypes = shell::SQL(db, PAYMENTTYPEROWS);
    return rows;
}

std::vector<std::string> blankFirstItems(const ui::TextTable& rows) {
    std::vector<std::string> items(1);
    for (std::size_t r = 0; r < rows.rows(); ++r)
        items.push_back(shell::trimmed(rows.cell(r, 1)) + "-" + shell::trimmed(rows.cell(r, 2)));
    return items;
}

std::string chosenId(const ui::TextTable& rows, int position) {
    return position > 1 ? shell::comboId(rows, position - 1) : "";
}

void addItemFilterCombos(const std::string& window, const std::string& prefix, int row, int step, int labelCol,
                         int comboCol, const std::shared_ptr<ItemFilterRows>& rows) {
    using namespace vocab;
    const auto pair = [&](const std::string& name, const std::string& label, const std::string& tooltip,
                          std::vector<std::string> items) {
        ui::addLabel(window, "lbl" + prefix + name).at(labelCol, row, 200, 20).text(label);
        const ui::Ctl combo = ui::addComboBox(window, "cb" + prefix + name);
        combo.at(comboCol, row, 300, 24).tooltip(tooltip).items(std::move(items));
        row += step;
        return combo;
    };
    pair("PrimaciOpis", CVALUELBLPRIMAC, CTOOLTIPPRIMAC, blankFirstItems(rows->recipients));
    const std::string subRevenues = "cb" + prefix + "Potprihodi";
    // The revenue-type and sub-revenue lists open wider than their boxes.
    pair("TipoviPrihodi", CVALUELBLTIPOVIPRIHODI, CTOOLTIPTIPOVIPRIHODI, blankFirstItems(rows->revenue.revenueTypes))
        .listWidth(650)
        .onChange([window, subRevenues, types = "cb" + prefix + "TipoviPrihodi", rows] {
            CHANGETIPOVIPRIHODI(ui::Ctl(window, types).value(), window, subRevenues, 1, rows->revenue);
        });
    pair("Potprihodi", CVALUELBLPOTPRIHODI, CTOOLTIPPOTPRIHODI, {""}).listWidth(650);
    pair("TipoviPlacanja", CVALUELBLTIPOVIPLACANJA, CTOOLTIPTIPOVIPLACANJA, blankFirstItems(rows->paymentTypes));
}

ItemFilterChoice chosenItemFilter(const std::string& window, const std::string& prefix, const ItemFilterRows& rows) {
    const auto position = [&](const char* name) { return ui::Ctl(window, "cb" + prefix + name).value(); };
    return {.recipientId = chosenId(rows.recipients, position("PrimaciOpis")),
            .revenueTypeId = chosenId(rows.revenue.revenueTypes, position("TipoviPrihodi")),
            .subRevenueId = chosenId(rows.revenue.subRevenues, position("Potprihodi")),
            .paymentTypeId = chosenId(rows.paymentTypes, position("TipoviPlacanja"))};
}

}  // namespace payments
