// The order list of one form: a payer chosen in the combo above the list, and
// that payer's orders of the form.
#include "treasury/nalozi.h"

#include <utility>

#include "listkit/record_list.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/nalozi_table.h"
#include "treasury/order_forms.h"
#include "treasury/order_values.h"

namespace treasury {

namespace {

const std::string LIST = "frmNalozi";

// The form's kind and payers; false (the user told why) when the form is
// unknown or no payer may use it.
bool admitForm(OrderWindow& orders) {
    using namespace vocab;
    const auto kind = treasuryKindOf(orders.COBRAZEC);
    if (!kind) {
        ui::msgInfo(CPORNEPOSTOECKIOBRAZEC, CPORGRESKA);
        return false;
    }
    orders.CVIDNATREZOR = *kind;
    shell::QueryResult payers = shell::query(shell::app().DB, payerRowsQuery(orders.COBRAZEC, *kind));
    if (payers.busy) return false;  // a locked file is no empty table: said as it is
    orders.payers = std::move(payers.rows);
    if (orders.payers.empty()) {
        ui::msgInfo(CPORISPLAKJACNALOGNEPOSTOI, CPORGRESKA);
        return false;
    }
    orders.MISPLAKJACIID = orders.payers.at(0, 0);
    registers::ISPLAKJACICITAJ(orders.MISPLAKJACIID, orders.payer);
    return true;
}

void addPayerCombo(const std::shared_ptr<OrderWindow>& orders) {
    using namespace vocab;
    ui::addLabel(LIST, "lblNaloziIsplakjaci").at(10, 10, 90, 20).text(CVALUELBLISPLAKJAC);
    std::vector<std::string> items;
    shell::NAPUNINIZIZAKOMBO(items, orders->payers, "", true);
    ui::addComboBox(LIST, "cbNaloziIsplakjaci")
        .at(110, 10, 300, 20)
        .items(items, 1)
        .tooltip(CTOOLTIPISPLAKJACI)
        .onChange([orders] {
            const int position = ui::Ctl(LIST, "cbNaloziIsplakjaci").value();
            NALOZIGETDATA(*orders, shell::comboId(orders->payers, position));
        });
}

}  // namespace

void NALOZI(const std::string& formCode) {
    auto orders = std::make_shared<OrderWindow>();
    orders->COBRAZEC = formCode;
    listkit::openRecordList({.window = LIST,
                             .grid = "grdNalozi",
                             .title = vocab::CTITNALOZI + formCode,
                             .width = 1330,
                             .height = 600,
                             .captions = layouts::AHEADERSNALOZI,
                             .widths = layouts::AWIDTHSNALOZI,
                             .justify = layouts::AJUSTNALOZI,
                             .createStatements = {naloziCreate()},
                             .buttonColumns = {30, 180, 780},
                             .buttons = listkit::BUTTONS24,
                             .admit = [orders] { return admitForm(*orders); },
                             .controls =
                                 [orders](const std::shared_ptr<listkit::ListState>& list) {
                                     orders->list = list;
                                     addPayerCombo(orders);
                                 },
                             .change = [orders](const auto&, bool isNew) { NaloziChange(orders, isNew); },
                             .remove =
                                 [](const std::shared_ptr<listkit::ListState>& list) {
                                     listkit::deleteRecords(list, "Nalozi", {});
                                 },
                             .query = [orders] { return orderListQuery(orders->COBRAZEC, orders->MISPLAKJACIID); },
                             .shape = shapeOrderRows});
}

void NALOZIGETDATA(OrderWindow& orders, const std::string& payerId) {
    orders.MISPLAKJACIID = payerId;
    registers::ISPLAKJACICITAJ(payerId, orders.payer);
    listkit::reload(orders.list.lock());
}

}  // namespace treasury
