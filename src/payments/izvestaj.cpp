// The payments report frmIzvestaj: the items of one payer through a filter,
// and the three actions on selected paid items: back to unpaid, copies as new
// unpaid items, and treasury orders with their treasury order file.
#include <memory>

#include "listkit/filter_dialog.h"
#include "listkit/selection_action.h"
#include "payments/carried_items.h"
#include "payments/item_filter.h"
#include "payments/item_row.h"
#include "payments/item_selection_window.h"
#include "payments/paid_orders.h"
#include "payments/paid_orders_window.h"
#include "payments/payments_sql.h"
#include "payments/stored_batch.h"
#include "payments/transakcii_sql.h"
#include "platform/ui/ui.h"
#include "registers/payer_selection.h"
#include "shell/app_state.h"
#include "shell/date_boxes.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "treasury/nalozi_table.h"

namespace payments {

namespace {

const std::string WINDOW = "frmIzvestaj";
const std::string GRID = "grdIzvestaj";
const std::string PAYERS = "cbIzvestajIsplakjaci";
const std::string FILTER = "frmIzvestajFilter";

struct Report : registers::PayerSelection {
    std::string MDATUMNAPLACANJE1, MDATUMNAPLACANJE2;  // yyyymmdd or empty
    Paid IPLATENI = Paid::All;
};

void IZVESTAJGETDATA(Report& r, const ReportFilter& filter) {
    r.choose(filter.payerId);
    showItems(*r.list, shell::SQL(shell::app().DB, reportQuery(filter)));
}

void IZVESTAJOK(Report& r, const ui::TextTable& accounts, const ItemFilterRows& rows) {
    if (!shell::datesReady(FILTER, {{"txtIzvestajDatumNaPlacanje1", vocab::CVALUELBLDATUMNAPLACANJEOD},
                                    {"txtIzvestajDatumNaPlacanje2", vocab::CVALUELBLDATUMNAPLACANJEDO}}))
        return;
    r.MDATUMNAPLACANJE1 = ui::Ctl(FILTER, "txtIzvestajDatumNaPlacanje1").date();
    r.MDATUMNAPLACANJE2 = ui::Ctl(FILTER, "txtIzvestajDatumNaPlacanje2").date();
    const ItemFilterChoice c = chosenItemFilter(FILTER, "Izvestaj", rows);
    r.IPLATENI = static_cast<Paid>(ui::Ctl(FILTER, "rgIzvestajPlateni").value());
    IZVESTAJGETDATA(r, {.dateFrom = r.MDATUMNAPLACANJE1,
                        .dateTo = r.MDATUMNAPLACANJE2,
                        .payerId = r.MISPLAKJACIID,
                        .accountId = chosenId(accounts, ui::Ctl(FILTER, "cbIzvestajIsplakjaciZiroSmetki").value()),
                        .recipientId = c.recipientId,
                        .revenueTypeId = c.revenueTypeId,
                        .subRevenueId = c.subRevenueId,
                        .paymentTypeId = c.paymentTypeId,
                        .paid = r.IPLATENI});
    showItemTotals(*r.list, {});
    ui::Win(FILTER).release();
}

void IZVESTAJFILTER(const std::shared_ptr<Report>& r) {
    using namespace vocab;
    const auto rows = readItemFilterRows();
    const ui::TextTable accounts = shell::SQL(shell::app().DB, payerAccountRows(r->MISPLAKJACIID));
    listkit::openFilterDialog(
        FILTER, CTITFILTERIZVESTAJ,
        [&] {
            const auto date = [&](const std::string& name, int row, const std::string& label,
                                  const std::string& tooltip, const std::string& value) {
                ui::addLabel(FILTER, "lbl" + name).at(100, row, 200, 20).text(label);
                ui::addDatePicker(FILTER, "txt" + name)
                    .at(300, row, 110, 24)
                    .allowEmptyDate(true)
                    .tooltip(tooltip)
                    .date(value);
            };
            date("IzvestajDatumNaPlacanje1", 20, CVALUELBLDATUMNAPLACANJEOD, CTOOLTIPDATUMNAPLACANJEOD,
                 r->MDATUMNAPLACANJE1);
            date("IzvestajDatumNaPlacanje2", 55, CVALUELBLDATUMNAPLACANJEDO, CTOOLTIPDATUMNAPLACANJEDO,
                 r->MDATUMNAPLACANJE2);
            ui::addLabel(FILTER, "lblIzvestajIsplakjaciZiroSmetki")
                .at(100, 90, 200, 20)
                .text(CVALUELBLISPLAKJACZIRO);
            ui::addComboBox(FILTER, "cbIzvestajIsplakjaciZiroSmetki")
                .at(300, 90, 300, 24)
                .tooltip(CTOOLTIPZIROISPLAKJAC)
                .items(blankFirstItems(accounts));
            addItemFilterCombos(FILTER, "Izvestaj", 125, 35, 100, 300, rows);
            ui::addRadioGroup(FILTER, "rgIzvestajPlateni", {COPTPLATENI, COPTNEPLATENI, COPTSITE})
                .at(300, 270, 200, 80)
                .tooltip(CTOOLTIPPREGLEDPLATENI)
                .value(static_cast<int>(r->IPLATENI));
        },
        [r, accounts, rows] { IZVESTAJOK(*r, accounts, *rows); });
}

// The steps every action starts with: the paid filter, a selection of paid
// items (the paid filter can be stale after a change of payer), a selection
// the action can take (`sizeRefusal`, when it has a limit), the totals, the
// question; then the selected items as stored, with the values `carried` by
// the action's file readable. Nothing when the action stops (its message
// shown).
std::optional<ui::TextTable> confirmedBatch(
    const Report& r, const std::string& question, const std::vector<shell::CarriedValue>& carried = {},
    const std::function<std::optional<std::string>(std::size_t items)>& sizeRefusal = {}) {
    using namespace vocab;
    if (r.IPLATENI != Paid::Yes) {
        ui::msgInfo(CPORSAMOPLATENI, CPORGRESKA);
        return std::nullopt;
    }
    const auto lines = listkit::selectedLines(*r.list);
    if (!lines) return std::nullopt;
    const ui::TextTable& rows = r.list->gridCtl().rows();
    for (int line : *lines)
        if (!isPaid(rows, line - 1)) {
            ui::msgInfo(CPORSAMOPLATENI, CPORGRESKA);
            return std::nullopt;
        }
    if (const auto tooMany = sizeRefusal ? sizeRefusal(lines->size()) : std::nullopt) {
        ui::msgInfo(*tooMany, CPORGRESKA);
        return std::nullopt;
    }
    return confirmedItems(*r.list, *lines, question, carried);
}

// A status action: one change per item in one transaction, its success
// message, and the report closes (it is reopened to see the result).
void statusAction(const Report& r, const std::string& question,
                  const std::function<shell::RowChange(const ui::TextTable&)>& change, const std::string& success) {
    const auto batch = confirmedBatch(r, question);
    if (!batch) return;
    listkit::changeAndClose(WINDOW, change(*batch), "", success);
}

void PLATENIVONEPLATENI(const Report& r) {
    statusAction(r, vocab::CPORPLATENINEPLATENI, backToUnpaid, vocab::CPORUSPEHPLATENINEPLATENI);
}

void PLATENIVONOVI(const Report& r) {
    statusAction(r, vocab::CPORPLATENIVONOVI, copiesAsNew, vocab::CPORUSPEHPLATENIVONOVI);
}

void IZVESTAJNALOZICHANGE(const Report& r) {
    auto batch = confirmedBatch(r, vocab::CPORSELEKTIRANIVONALOZI, paidOrderValues(), paidOrdersSizeRefusal);
    if (batch) openPaidOrdersDialog(r.MISPLAKJACIID, r.payer, std::move(*batch));
}

void addControls(const std::shared_ptr<Report>& r) {
    using namespace vocab;
    ui::addLabel(WINDOW, "lblIzvestajIsplakjaci").text(CVALUELBLISPLAKJAC);
    ui::addComboBox(WINDOW, PAYERS)
        .items(r->payers.items, 1)
        .tooltip(CTOOLTIPISPLAKJACI)
        .onChange([r] { IZVESTAJGETDATA(*r, {.payerId = r->payers.idAt(ui::Ctl(WINDOW, PAYERS).value())}); });
    const auto button = [&](const char* name, const std::string& caption, const std::string& tooltip,
                            std::function<void(const Report&)> action) {
        ui::addButton(WINDOW, name).text(caption).tooltip(tooltip).onClick([r, action] { action(*r); });
    };
    button("btnPlateniVoNeplateni", CCAPTIONPLATENINEPLATENI, CTOOLTIPPLATENINEPLATENI, PLATENIVONEPLATENI);
    button("btnSelektiraniVoNovi", CCAPTIONNOVISTAVKI, CTOOLTIPNOVISTAVKI, PLATENIVONOVI);
    button("btnPlateniVoNalozi", CCAPTIONNOVINALOZI, CTOOLTIPNOVINALOZI, IZVESTAJNALOZICHANGE);
}

void layoutTop() {
    ui::Ctl(WINDOW, "lblIzvestajIsplakjaci").at(10, 15, 60, 20);
    ui::Ctl(WINDOW, PAYERS).at(70, 10, 280, 24);
    ui::Ctl(WINDOW, "btnPlateniVoNeplateni").at(363, 20, 170, 50);
    ui::Ctl(WINDOW, "btnSelektiraniVoNovi").at(540, 20, 170, 50);
    ui::Ctl(WINDOW, "btnPlateniVoNalozi").at(717, 20, 180, 50);
}

}  // namespace

void IZVESTAJ() {
    using namespace vocab;
    std::vector<std::string> tables = itemTablesCreate();
    tables.push_back(treasury::naloziCreate());
    const auto r = registers::openPayerSelection<Report>(WINDOW, tables);
    if (!r) return;
    r->list = defineItemSelectionWindow({
        .window = WINDOW,
        .grid = GRID,
        .title = CTITIZVESTAJ,
        .widths = layouts::AWIDTHSIZVESTAJ,
        .controls = [r](const auto&) { addControls(r); },
        .filter = [r] { IZVESTAJFILTER(r); },
        .layoutMore = [](const listkit::ListState&) { layoutTop(); },
    });
    ui::Win(WINDOW).onStart([r] { IZVESTAJGETDATA(*r, {.payerId = r->MISPLAKJACIID}); }).center().activate();
}

}  // namespace payments
