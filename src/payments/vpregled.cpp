// The payments overview frmVPregled: the unpaid items of one payer account,
// narrowed by a filter; the selected items are written to the revenue-office
// XML file and, once it is written and the user agrees, recorded as paid.
#include <memory>

#include "listkit/filter_dialog.h"
#include "listkit/selection_action.h"
#include "listkit/selection_window.h"
#include "payments/carried_items.h"
#include "payments/item_filter.h"
#include "payments/item_row.h"
#include "payments/item_selection_window.h"
#include "payments/payments_sql.h"
#include "payments/transakcii_sql.h"
#include "payments/xml_file.h"
#include "platform/desktop/desktop.h"
#include "platform/ui/ui.h"
#include "registers/payer_selection.h"
#include "shell/app_state.h"
#include "shell/date_boxes.h"
#include "shell/dates.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

const std::string WINDOW = "frmVPregled";
const std::string GRID = "grdVPregled";
const std::string PAYERS = "cbVPregledIsplakjaci";
const std::string ACCOUNTS = "cbVPregledIsplakjaciZiroSmetki";
const std::string CALCULATIONTYPES = "cbVPregledTipoviKalkulacii";
const std::string FILTER = "frmVPregledFilter";

struct Overview : registers::PayerSelection {
    registers::Lookup accounts, calculationTypes;
    std::string MISPLAKJACIZIRO;
};

std::optional<registers::Lookup> payerAccounts(const std::string& payerId) {
    return registers::lookup(payerAccountRows(payerId), vocab::CPORNEMAZIROSMETKAISPLAKJAC, "", true);
}

void VPREGLEDGETDATA(Overview& o, const std::string& payerId, const OverviewFilter& filter) {
    o.choose(payerId);
    const int account = ui::Ctl(WINDOW, ACCOUNTS).value();
    o.MISPLAKJACIZIRO = account >= 1 ? o.accounts.rows.at(account - 1, 2) : "";
    showItems(*o.list, shell::SQL(shell::app().DB, overviewQuery(filter)));
}

// Loads the chosen payer and account without conditions.
void loadChosen(Overview& o) {
    VPREGLEDGETDATA(o, o.payers.idAt(ui::Ctl(WINDOW, PAYERS).value()),
                    {.accountId = o.accounts.idAt(ui::Ctl(WINDOW, ACCOUNTS).value())});
}

// A payer without accounts leaves nothing to list or export: the grid empties
// and the filter and the export wait for a payer that has accounts.
void FILTERZIROSMETKIISPLAKJACI(Overview& o, int position) {
    const ui::Ctl accounts(WINDOW, ACCOUNTS);
    o.accounts = {};
    accounts.deleteAllItems();
    const std::string payerId = o.payers.idAt(position);
    registers::ISPLAKJACICITAJ(payerId, o.payer);
    const auto found = payerAccounts(payerId);
    for (const char* button : {"btnFilter", "btnConfirm"}) ui::Ctl(WINDOW, button).enabled(found.has_value());
    if (!found) {
        o.MISPLAKJACIID = payerId;
        o.MISPLAKJACIZIRO.clear();
        showItems(*o.list, ui::TextTable(layouts::AHEADERSTRANSAKCII.size()));
        return;
    }
    o.accounts = *found;
    accounts.items(o.accounts.items, 1);
    loadChosen(o);
}

void VPREGLEDOK(Overview& o, const ItemFilterRows& rows) {
    const ItemFilterChoice c = chosenItemFilter(FILTER, "VPregled", rows);
    VPREGLEDGETDATA(o, o.MISPLAKJACIID,
                    {.accountId = o.accounts.idAt(ui::Ctl(WINDOW, ACCOUNTS).value()),
                     .recipientId = c.recipientId,
                     .revenueTypeId = c.revenueTypeId,
                     .subRevenueId = c.subRevenueId,
                     .paymentTypeId = c.paymentTypeId});
    showItemTotals(*o.list, {});
    ui::Win(FILTER).release();
}

void VPREGLEDFILTER(const std::shared_ptr<Overview>& o) {
    using namespace vocab;
    const auto rows = readItemFilterRows();
    listkit::openFilterDialog(
        FILTER, CTITFILTERVPREGLED, [&] { addItemFilterCombos(FILTER, "VPregled", 60, 40, 100, 300, rows); },
        [o, rows] { VPREGLEDOK(*o, *rows); });
}

void GENERIRAJXML(Overview& o) {
    using namespace vocab;
    if (!shell::datesReady(WINDOW, {{"txtVPregledDatumPeriodOd", CTOOLTIPDATUMPERIODOD},
                                    {"txtVPregledDatumPeriodDo", CTOOLTIPDATUMPERIODDO},
                                    {"txtVPregledDatumNaPlakjanje", CTOOLTIPDATUMNAPLAKJANJE}}))
        return;
    const std::string periodFrom = ui::Ctl(WINDOW, "txtVPregledDatumPeriodOd").date();
    const std::string periodTo = ui::Ctl(WINDOW, "txtVPregledDatumPeriodDo").date();
    const std::string paymentDate = ui::Ctl(WINDOW, "txtVPregledDatumNaPlakjanje").date();
    const std::string calculationType = o.calculationTypes.idAt(ui::Ctl(WINDOW, CALCULATIONTYPES).value());
    const auto lines = listkit::selectedLines(*o.list);
    if (!lines) return;
    const auto items = confirmedItems(*o.list, *lines, CPORFAJLZAZELVAR, xmlValues());
    if (!items) return;
    const XmlExport header{.taxNumber = o.payer.MDANOCENBROJ,
                           .payerName = o.payer.MISPLAKJACINAZIV,
                           .payerAccount = o.MISPLAKJACIZIRO,
                           .email = o.payer.MEMAIL,
                           .periodFrom = shell::shownDate(periodFrom),
                           .periodTo = shell::shownDate(periodTo),
                           .paymentDate = shell::shownDate(paymentDate)};
    const auto file = NAPRAVIXML(header, *items);
    if (!file) return;
    shell::RowChange paid = markPaid(*items, periodFrom, periodTo, calculationType, paymentDate);
    paid.afterFailure = CPORFAJLSTAVKINEPLATENI + *file;
    listkit::changeAndClose(WINDOW, paid, CPORDATUMNAPLACANJE, "");
}

void addLabel(const std::string& name, int col, int row, int width, const std::string& text) {
    ui::addLabel(WINDOW, name).at(col, row, width, 20).text(text);
}

void addControls(const std::shared_ptr<Overview>& o) {
    using namespace vocab;
    addLabel("lblVPregledIsplakjaci", 30, 15, 80, CVALUELBLISPLAKJAC);
    ui::addComboBox(WINDOW, PAYERS)
        .items(o->payers.items, 1)
        .tooltip(CTOOLTIPISPLAKJACI)
        .onChange([o] { FILTERZIROSMETKIISPLAKJACI(*o, ui::Ctl(WINDOW, PAYERS).value()); });
    addLabel("lblVPregledIsplakjaciZiroSmetki", 400, 15, 100, CVALUELBLZIROSMETKA);
    ui::addComboBox(WINDOW, ACCOUNTS)
        .items(o->accounts.items, 1)
        .tooltip(CTOOLTIPZIROISPLAKJAC)
        .onChange([o] { loadChosen(*o); });
    const std::string today = desktop::today();
    listkit::addActionDate(WINDOW, "VPregledDatumPeriodOd", 30, 100, CVALUELBLDATUMPERIODOD, CTOOLTIPDATUMPERIODOD,
                           today);
    listkit::addActionDate(WINDOW, "VPregledDatumPeriodDo", 270, 40, CVALUELBLDO, CTOOLTIPDATUMPERIODDO, today);
    listkit::addActionDate(WINDOW, "VPregledDatumNaPlakjanje", 450, 140, CVALUELBLDATUMNAPLAKJANJE,
                           CTOOLTIPDATUMNAPLAKJANJE, today);
    addLabel("lblVPregledTipoviKalkulacii", 760, 50, 150, CVALUELBLTIPOVIKALKULACII);
    ui::addComboBox(WINDOW, CALCULATIONTYPES)
        .at(910, 50, 150, 24)
        .items(o->calculationTypes.items, 1)
        .tooltip(CTOOLTIPTIPOVIKALKULACII);
}

void layoutTop() {
    ui::Ctl(WINDOW, PAYERS).at(120, 15, 220, 24);
    ui::Ctl(WINDOW, ACCOUNTS).at(500, 15, 140, 24);
}

}  // namespace

void VPREGLED() {
    using namespace vocab;
    const auto o = registers::openPayerSelection<Overview>(WINDOW, itemTablesCreate());
    if (!o) return;
    auto accounts = payerAccounts(o->MISPLAKJACIID);
    if (!accounts) return;
    o->accounts = std::move(*accounts);
    auto calculationTypes = registers::lookup(CALCULATIONTYPEROWS, CPORPRAZNATIPOVIKALKULACII, "", true);
    if (!calculationTypes) return;
    o->calculationTypes = std::move(*calculationTypes);

    o->list = defineItemSelectionWindow({
        .window = WINDOW,
        .grid = GRID,
        .title = CTITVPREGLED,
        .widths = layouts::AWIDTHSVPREGLED,
        .controls = [o](const auto&) { addControls(o); },
        .filter = [o] { VPREGLEDFILTER(o); },
        .confirm = listkit::ConfirmButton{CCAPTIONEKSPORT, "img24XML", CTOOLTIPEKSPORTXML, [o] { GENERIRAJXML(*o); }},
        .layoutMore = [](const listkit::ListState&) { layoutTop(); },
    });
    ui::Win(WINDOW).onStart([o] { loadChosen(*o); }).center().activate();
}

}  // namespace payments
