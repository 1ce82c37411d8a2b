#include "payments/item_selection_window.h"

#include "listkit/selection_totals.h"
#include "listkit/selection_window.h"
#include "payments/item_row.h"
#include "payments/stored_batch.h"
#include "payments/transakcii_table.h"
#include "platform/ui/ui.h"
#include "registers/code_table_sql.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "registers/revenue_sql.h"
#include "shell/app_state.h"
#include "shell/layouts.h"
#include "shell/vocabulary.h"

namespace payments {

std::shared_ptr<listkit::ListState> defineItemSelectionWindow(const ItemSelectionSpec& definition) {
    return listkit::defineSelectionWindow({
        .window = definition.window,
        .grid = definition.grid,
        .title = definition.title,
        .captions = layouts::AHEADERSTRANSAKCII,
        .widths = definition.widths,
        .controls = definition.controls,
        .filter = definition.filter,
        .totals = [](const listkit::ListState& s) { showItemTotals(s, s.gridCtl().selection()); },
        .confirm = definition.confirm,
        .layoutMore = definition.layoutMore,
    });
}

void showItems(listkit::ListState& s, const ui::TextTable& stored) {
    listkit::fill(s, shownItemRows(stored));
    s.layout(s);
}

listkit::SelectionTotals showItemTotals(const listkit::ListState& s, const std::vector<int>& lines) {
    const ui::TextTable& rows = s.gridCtl().rows();
    const auto totals = listkit::selectionTotals(lines, [&](int line) {
        return amountOf(itemValue(rows, line - 1, item::GROSS)) + amountOf(itemValue(rows, line - 1, item::VAT));
    });
    listkit::showSelectionTotals(s.window, totals.count, totals.total);
    return totals;
}

std::optional<ui::TextTable> confirmedItems(const listkit::ListState& s, const std::vector<int>& lines,
                                            const std::string& question,
                                            const std::vector<shell::CarriedValue>& carried) {
    const listkit::SelectionTotals totals = showItemTotals(s, lines);
    if (!ui::msgYesNo(listkit::selectionQuestion(question, totals.count, listkit::itemsTotalText(totals.total))))
        return std::nullopt;
    StoredBatch batch = storedBatch(shell::app().DB, s.gridCtl().rows(), lines, carried);
    if (batch.refusal) {
        if (!batch.refusal->empty()) ui::msgInfo(*batch.refusal, vocab::CPORGRESKA);
        return std::nullopt;
    }
    return std::move(batch.rows);
}

std::vector<std::string> itemTablesCreate() {
    std::vector<std::string> statements;
    for (const char* table : {"Konta", "Opstini", "TipoviKalkulacii", "TipoviPlacanja"})
        statements.push_back(registers::codeTableCreate(table));
    statements.push_back(registers::revenueTypeCreate());
    statements.push_back(registers::subRevenueCreate());
    for (auto& s : registers::payerCreateStatements()) statements.push_back(std::move(s));
    for (auto& s : registers::recipientCreateStatements()) statements.push_back(std::move(s));
    statements.push_back(transakciiCreate());
    return statements;
}

}  // namespace payments
