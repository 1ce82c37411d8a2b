// The treasury orders overview frmVPregledTrezor: the unsubmitted orders of
// one payer, narrowed by a filter; the selected orders, read again as stored,
// go to a treasury order file and, once it is written and the user agrees,
// are set submitted on the submission date.
#include <memory>

#include "listkit/filter_dialog.h"
#include "listkit/selection_action.h"
#include "listkit/selection_window.h"
#include "platform/desktop/desktop.h"
#include "platform/ui/ui.h"
#include "registers/payer_selection.h"
#include "shell/app_state.h"
#include "shell/date_boxes.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/day_after.h"
#include "treasury/order_filters.h"
#include "treasury/order_selection.h"
#include "treasury/overview_batch.h"
#include "treasury/treasury_file.h"

namespace treasury {

namespace {

const std::string WINDOW = "frmVPregledTrezor";
const std::string GRID = "grdVPregledTrezor";
const std::string PAYER = "VPregledTrezorIsplakjaci";
const std::string FILTER = "frmVPregledTrezorFilter";

using Overview = registers::PayerSelection;

void VPREGLEDTREZORGETDATA(Overview& o, const std::string& payerId, const OrderFilter& filter) {
    o.choose(payerId);
    showOrders(*o.list, shell::SQL(shell::app().DB, overviewQuery(payerId, filter)));
}

void VPREGLEDTREZOROK(Overview& o, const OrderFilterCombos& combos) {
    const auto ctl = [](const char* name) { return ui::Ctl(FILTER, name); };
    if (!shell::datesReady(FILTER, {{"txtVPregledTrezorDatumNaDospeanost1", vocab::CTOOLTIPDATUMNADOSPEANOSTOD},
                                    {"txtVPregledTrezorDatumNaDospeanost2", vocab::CTOOLTIPDATUMNADOSPEANOSTDO}}))
        return;
    OrderFilter filter;
    filter.dueFrom = ctl("txtVPregledTrezorDatumNaDospeanost1").date();
    filter.dueTo = ctl("txtVPregledTrezorDatumNaDospeanost2").date();
    readOrderFilterCombos(FILTER, "VPregledTrezor", combos, filter);
    filter.formCode = ctl("txtVPregledTrezorObrazec").text();
    VPREGLEDTREZORGETDATA(o, o.MISPLAKJACIID, filter);
    ONSELECTGRIDIZVESTAJTREZOR(*o.list);
    ui::Win(FILTER).release();
}

void VPREGLEDTREZORFILTER(const std::shared_ptr<Overview>& o) {
    using namespace vocab;
    const ui::TextTable range = shell::SQL(
        shell::app().DB,
        "select MIN(DatumNaDospeanost), MAX(DatumNaDospeanost) from Nalozi  WHERE DatumNaPodnesuvanje = '' AND "
        "IsplakjaciID = " + shell::quoted(o->MISPLAKJACIID));
    const std::string today = desktop::today();
    const auto dueDate = [&](std::size_t column) {
        const std::string date = range.empty() ? "" : range.at(0, column);
        return date.empty() ? today : date;
    };
    const OrderFilterCombos combos = orderFilterCombos(o->MISPLAKJACIID);
    listkit::openFilterDialog(
        FILTER, CTITFILTERVPREGLEDTREZOR,
        [&] {
            ui::addLabel(FILTER, "lblVPregledTrezorDatumNaDospeanost1")
                .at(30, 60, 200, 20)
                .text(CVALUELBLDATUMNADOSPEANOSTOD);
            ui::addDatePicker(FILTER, "txtVPregledTrezorDatumNaDospeanost1")
                .at(200, 60, 100, 20)
                .tooltip(CTOOLTIPDATUMNADOSPEANOSTOD)
                .date(dueDate(0));
            ui::addLabel(FILTER, "lblVPregledTrezorDatumNaDospeanost2")
                .at(330, 60, 40, 20)
                .text(CVALUELBLDATUMNADOSPEANOSTDO);
            ui::addDatePicker(FILTER, "txtVPregledTrezorDatumNaDospeanost2")
                .at(500, 60, 100, 20)
                .tooltip(CTOOLTIPDATUMNADOSPEANOSTDO)
                .date(dueDate(1));
            addOrderFilterCombos(FILTER, "VPregledTrezor", combos);
            ui::addLabel(FILTER, "lblVPregledTrezorObrazec").at(30, 290, 200, 20).text(CVALUELBLOBRAZEC);
            ui::addMaskedBox(FILTER, "txtVPregledTrezorObrazec", "99").at(200, 290, 30, 20).tooltip(CTOOLTIPOBRAZEC);
        },
        [o, combos] { VPREGLEDTREZOROK(*o, combos); });
}

void GENERIRAJFAJL(Overview& o) {
    using namespace vocab;
    if (!shell::datesReady(WINDOW, {{"txtVPregledTrezorDataNaPodnesuvanje", CTOOLTIPDATANAPODNESUVANJE},
                                    {"txtVPregledTrezorDataNaObrabotka", CTOOLTIPDATANAOBRABOTKA}}))
        return;
    const auto lines = listkit::selectedLines(*o.list);
    if (!lines) return;
    const std::string submission = ui::Ctl(WINDOW, "txtVPregledTrezorDataNaPodnesuvanje").date();
    // The selected rows are read where the grid holds them, the stored orders
    // one at a time as the database gives them.
    OverviewBatch batch =
        storedOverviewBatch(shell::app().DB, o.list->gridCtl().rows(), *lines, o.payer, submission,
                            ui::Ctl(WINDOW, "txtVPregledTrezorDataNaObrabotka").date());
    if (batch.refusal) {
        if (!batch.refusal->empty()) ui::msgInfo(*batch.refusal, CPORGRESKA);
        return;
    }
    const int count = batch.input.NBRSTAVK();
    const std::int64_t total = batch.input.NUKIZNOS();
    listkit::showSelectionTotals(WINDOW, count, wholeDenars(total));
    if (!ui::msgYesNo(listkit::selectionQuestion(CPORFAJLZATREZOR, count, amountText(total, 13)))) return;
    NAPRAVIFAJL(Mode::N, batch.input);
    // The file and its specification are done with the rows: their room goes to the submission.
    batch.input.AGFAJL = {};
    // Orders are marked sent only when their file exists.
    if (!batch.input.LUSPEH) return;
    shell::RowChange submitted = submissionChange(batch.ids, submission);
    submitted.afterFailure = CPORFAJLNALOZINEPODNESENI + batch.input.savedFile;
    listkit::changeAndClose(WINDOW, submitted, CPORDATUMNAPODNESUVANJE, "");
}

void addControls() {
    using namespace vocab;
    const std::string today = desktop::today();
    listkit::addActionDate(WINDOW, "VPregledTrezorDataNaPodnesuvanje", 30, 140, CVALUELBLDATANAPODNESUVANJE,
                           CTOOLTIPDATANAPODNESUVANJE, today);
    listkit::addActionDate(WINDOW, "VPregledTrezorDataNaObrabotka", 310, 140, CVALUELBLDATANAOBRABOTKA,
                           CTOOLTIPDATANAOBRABOTKA, dayAfter(today));
    ui::addLabel(WINDOW, "lblVPregledTrezorBrojNaPratka").at(590, 50, 100, 20).text(CVALUELBLBROJNAPRATKA);
    // The writer chooses the day's batch digit itself; the box shows the usual one.
    ui::addMaskedBox(WINDOW, "txtVPregledTrezorBrojNaPratka", "9")
        .at(690, 50, 20, 24)
        .tooltip(CTOOLTIPBROJNAPRATKA)
        .text("1");
}

}  // namespace

void VPREGLEDTREZOR() {
    using namespace vocab;
    const auto o = registers::openPayerSelection<Overview>(WINDOW, orderTablesCreate());
    if (!o) return;
    openOrderSelectionWindow(
        o, {.frame = {.window = WINDOW,
                      .grid = GRID,
                      .title = CTITVPREGLEDTREZOR,
                      .widths = layouts::AWIDTHSVPREGLEDTREZOR,
                      .controls = [](const auto&) { addControls(); },
                      .filter = [o] { VPREGLEDTREZORFILTER(o); },
                      .confirm = listkit::ConfirmButton{CCAPTIONPOTVRDI, "img24OK", CTOOLTIPPOTVRDI,
                                                        [o] { GENERIRAJFAJL(*o); }}},
            .payer = PAYER,
            .load = [o](const std::string& payerId) { VPREGLEDTREZORGETDATA(*o, payerId, {}); }});
}

}  // namespace treasury
