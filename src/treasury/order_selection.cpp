#include "treasury/order_selection.h"

#include "platform/ui/ui.h"
#include "registers/code_table_sql.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "shell/app_state.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/nalozi_table.h"
#include "treasury/order_list_row.h"
#include "treasury/order_values.h"

namespace treasury {

const char* const RECIPIENTROWS =
    "select ID, ID, Ime || ' ' || Prezime, Mesto from Primaci order by Ime || ' ' || Prezime ";

std::vector<std::string> orderTablesCreate() {
    std::vector<std::string> statements = registers::payerCreateStatements();
    for (auto& s : registers::recipientCreateStatements()) statements.push_back(std::move(s));
    statements.push_back(registers::codeTableCreate("Konta"));
    statements.push_back(naloziCreate());
    return statements;
}

namespace {

void addPayerCombo(const std::string& window, const std::string& name, const registers::Lookup& payers,
                   std::function<void(const std::string& payerId)> changed) {
    ui::addLabel(window, "lbl" + name).at(130, 20, 100, 20).text(vocab::CVALUELBLISPLAKJAC);
    const std::string combo = "cb" + name;
    ui::addComboBox(window, combo)
        .at(240, 20, 300, 24)
        .items(payers.items, 1)
        .tooltip(vocab::CTOOLTIPISPLAKJACI)
        .onChange([window, combo, rows = payers.rows, changed = std::move(changed)] {
            changed(shell::comboId(rows, ui::Ctl(window, combo).value()));
        });
}

void layoutPayerCombo(const std::string& window, const std::string& name) {
    ui::Ctl(window, "lbl" + name).move(130, 15);
    ui::Ctl(window, "cb" + name).move(250, 10);
}

}  // namespace

void openOrderSelectionWindow(const std::shared_ptr<registers::PayerSelection>& state, OrderSelectionSpec definition) {
    listkit::SelectionWindowSpec& frame = definition.frame;
    frame.captions = layouts::AHEADERSNALOZI;
    frame.totals = [](const listkit::ListState& s) { ONSELECTGRIDIZVESTAJTREZOR(s); };
    frame.controls = [window = frame.window, payer = definition.payer, state, load = definition.load,
                      own = std::move(frame.controls)](const std::shared_ptr<listkit::ListState>& list) {
        addPayerCombo(window, payer, state->payers, load);
        if (own) own(list);
    };
    frame.layoutMore = [window = frame.window, payer = definition.payer,
                        own = std::move(frame.layoutMore)](const listkit::ListState& s) {
        layoutPayerCombo(window, payer);
        if (own) own(s);
    };
    state->list = listkit::defineSelectionWindow(frame);
    ui::Win(frame.window).onStart([state, load = definition.load] { load(state->MISPLAKJACIID); }).center().activate();
}

void showOrders(listkit::ListState& s, ui::TextTable stored) {
    shapeOrderRows(stored);
    listkit::fill(s, std::move(stored));
    s.layout(s);
}

listkit::SelectionTotals ONSELECTGRIDIZVESTAJTREZOR(const listkit::ListState& s) {
    const ui::TextTable& rows = s.gridCtl().rows();
    const auto totals = listkit::selectionTotals(s.gridCtl().selection(), [&](int line) {
        return parseCents(orderValue(rows, line - 1, order::AMOUNT)).value_or(0);
    });
    listkit::showSelectionTotals(s.window, totals.count, wholeDenars(totals.total));
    return totals;
}

std::string FilterCombo::idAt(int position) const { return position > 1 ? shell::comboId(rows, position - 1) : ""; }

FilterCombo filterCombo(const std::string& query) {
    FilterCombo combo;
    combo.rows = shell::SQL(shell::app().DB, query);
    std::vector<std::string> items;
    shell::NAPUNINIZIZAKOMBO(items, combo.rows, "", true);
    combo.items.push_back("");
    for (auto& item : items) combo.items.push_back(std::move(item));
    return combo;
}

OrderFilterCombos orderFilterCombos(const std::string& payerId) {
    OrderFilterCombos combos;
    combos.recipients = filterCombo(RECIPIENTROWS);
    combos.accounts = filterCombo(registers::payerAccountRows(payerId));
    return combos;
}

void addOrderFilterCombos(const std::string& dialog, const std::string& prefix, const OrderFilterCombos& combos) {
    using namespace vocab;
    ui::addLabel(dialog, "lbl" + prefix + "IsplakjaciZiroSmetki").at(100, 120, 300, 20).text(CVALUELBLISPLAKJACZIRO);
    ui::addComboBox(dialog, "cb" + prefix + "IsplakjaciZiroSmetki")
        .at(300, 120, 200, 24)
        .items(combos.accounts.items)
        .tooltip(CTOOLTIPZIROISPLAKJAC);
    ui::addLabel(dialog, "lbl" + prefix + "PrimaciOpis").at(100, 170, 300, 20).text(CVALUELBLPRIMAC);
    ui::addComboBox(dialog, "cb" + prefix + "PrimaciOpis")
        .at(300, 170, 300, 24)
        .items(combos.recipients.items)
        .tooltip(CTOOLTIPPRIMAC);
}

void readOrderFilterCombos(const std::string& dialog, const std::string& prefix, const OrderFilterCombos& combos,
                           OrderFilter& filter) {
    filter.accountId = combos.accounts.idAt(ui::Ctl(dialog, "cb" + prefix + "IsplakjaciZiroSmetki").value());
    filter.recipientId = combos.recipients.idAt(ui::Ctl(dialog, "cb" + prefix + "PrimaciOpis").value());
}

}  // namespace treasury
