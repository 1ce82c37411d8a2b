// The payment item list window: the payer chosen in the combo above the grid
// and that payer's items, paid or not; the items are added, edited and
// deleted here.
#include "payments/transakcii.h"

#include <utility>

#include "listkit/record_list.h"
#include "payments/item_row.h"
#include "payments/transakcii_sql.h"
#include "payments/transakcii_table.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

const std::string LIST = "frmTransakcii";

// The payers of the combo; none keeps the window from opening.
bool admitted(ItemsWindow& w) {
    shell::QueryResult payers = shell::query(shell::app().DB, PAYERROWS);
    if (payers.busy) return false;  // a locked file is no empty table: said as it is
    w.payers = std::move(payers.rows);
    if (w.payers.empty()) {
        ui::msgInfo(vocab::CPORISPLAKJACNEPOSTOI, vocab::CPORGRESKA);
        return false;
    }
    w.MISPLAKJACIID = w.payers.at(0, 0);
    registers::ISPLAKJACICITAJ(w.MISPLAKJACIID, w.payer);
    return true;
}

void addPayerCombo(const std::shared_ptr<ItemsWindow>& w, const std::shared_ptr<listkit::ListState>& list) {
    ui::addLabel(LIST, "lblTransakciiIsplakjaci").at(10, 10, 90, 20).text(vocab::CVALUELBLISPLAKJAC);
    std::vector<std::string> items;
    const int first = shell::NAPUNINIZIZAKOMBO(items, w->payers, "", true);
    ui::addComboBox(LIST, "cbTransakciiIsplakjaci")
        .at(110, 10, 300, 20)
        .tooltip(vocab::CTOOLTIPISPLAKJACI)
        .items(items, first)
        .onChange([w, list] {
            TRANSAKCIIGETDATA(*w, list, shell::comboId(w->payers, ui::Ctl(LIST, "cbTransakciiIsplakjaci").value()));
        });
}

void TransakciiDelete(const std::shared_ptr<listkit::ListState>& list) {
    listkit::deleteRecords(list, "Transakcii", {});
}

}  // namespace

void TRANSAKCII() {
    auto w = std::make_shared<ItemsWindow>();
    listkit::openRecordList({.window = LIST,
                             .grid = "grdTransakcii",
                             .title = vocab::CTITTRANSAKCII,
                             .width = 1330,
                             .height = 600,
                             .captions = layouts::AHEADERSTRANSAKCII,
                             .widths = layouts::AWIDTHSTRANS,
                             .justify = layouts::AJUSTTRANS,
                             .createStatements = {transakciiCreate()},
                             .buttonColumns = {30, 180, 780},
                             .buttons = listkit::BUTTONS24,
                             .admit = [w] { return admitted(*w); },
                             .controls = [w](const std::shared_ptr<listkit::ListState>& list) { addPayerCombo(w, list); },
                             .change = [w](const std::shared_ptr<listkit::ListState>& list,
                                           bool isNew) { TransakciiChange(w, list, isNew); },
                             .remove = TransakciiDelete,
                             .query = [w] { return itemListQuery(w->MISPLAKJACIID); },
                             .shape = [](ui::TextTable& rows) { rows = shownItemRows(rows); }});
}

void TRANSAKCIIGETDATA(ItemsWindow& w, const std::shared_ptr<listkit::ListState>& list, const std::string& payerId) {
    w.MISPLAKJACIID = payerId;
    listkit::reload(list);
    registers::ISPLAKJACICITAJ(w.MISPLAKJACIID, w.payer);
}

}  // namespace payments
