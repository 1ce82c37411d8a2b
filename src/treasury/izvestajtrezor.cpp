// The treasury orders report frmIzvestajTrezor: every order of one payer,
// narrowed by a filter on dates, account, recipient, submission state and
// form; selected submitted orders can be returned to unsubmitted.
#include <memory>

#include "listkit/filter_dialog.h"
#include "listkit/selection_action.h"
#include "platform/ui/ui.h"
#include "registers/payer_selection.h"
#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_filters.h"
#include "treasury/order_selection.h"
#include "treasury/unsubmit.h"

namespace treasury {

namespace {

const std::string WINDOW = "frmIzvestajTrezor";
const std::string GRID = "grdIzvestajTrezor";
const std::string PAYER = "IzvestajTrezorIsplakjaci";
const std::string FILTER = "frmIzvestajTrezorFilter";

struct Report : registers::PayerSelection {
    // The last applied filter: its dates, state and form show again in the
    // dialog; its account and recipient are applied but not shown again.
    OrderFilter filter;
    int IPODNESENI = 3;
};

void IZVESTAJTREZORGETDATA(Report& r, const std::string& payerId, const OrderFilter& filter) {
    r.choose(payerId);
    showOrders(*r.list, shell::SQL(shell::app().DB, reportQuery(payerId, filter)));
}

// The dialog's four date boxes: name, the remembered date, the label and tooltip.
struct DateBox {
    const char* name;
    std::string OrderFilter::*date;
    const std::string &label, &tooltip;
    int labelCol, labelWidth, row;
};

std::vector<DateBox> dateBoxes() {
    using namespace vocab;
    return {
        {"IzvestajTrezorDatumNaPodnesuvanje1", &OrderFilter::submittedFrom, CVALUELBLDATUMNAPODNESUVANJEOD,
         CTOOLTIPDATUMNAPODNESUVANJEOD, 30, 200, 40},
        {"IzvestajTrezorDatumNaPodnesuvanje2", &OrderFilter::submittedTo, CVALUELBLDATUMNAPODNESUVANJEDO,
         CTOOLTIPDATUMNAPODNESUVANJEDO, 460, 40, 40},
        {"IzvestajTrezorDatumNaDospeanost1", &OrderFilter::dueFrom, CVALUELBLDATUMNADOSPEANOSTOD,
         CTOOLTIPDATUMNADOSPEANOSTOD, 30, 200, 70},
        {"IzvestajTrezorDatumNaDospeanost2", &OrderFilter::dueTo, CVALUELBLDATUMNADOSPEANOSTDO,
         CTOOLTIPDATUMNADOSPEANOSTDO, 460, 40, 70},
    };
}

void IZVESTAJTREZOROK(Report& r, const OrderFilterCombos& combos) {
    OrderFilter filter;
    // A date that is not whole stops here: it never drops its condition.
    for (const DateBox& box : dateBoxes()) {
        const auto date = filterDate(ui::Ctl(FILTER, std::string("txt") + box.name).text());
        if (!date) {
            ui::msgInfo(vocab::CPORNEISPRAVENDATUM + box.tooltip, vocab::CPORGRESKA);
            return;
        }
        filter.*box.date = *date;
    }
    readOrderFilterCombos(FILTER, "IzvestajTrezor", combos, filter);
    filter.formCode = ui::Ctl(FILTER, "txtIzvestajTrezorObrazec").text();
    filter.state = ui::Ctl(FILTER, "rgIzvestajTrezorPodneseni").value();
    r.filter = filter;
    r.IPODNESENI = filter.state;
    IZVESTAJTREZORGETDATA(r, r.MISPLAKJACIID, filter);
    ui::Win(FILTER).release();
}

void IZVESTAJTREZORFILTER(const std::shared_ptr<Report>& r) {
    using namespace vocab;
    const OrderFilterCombos combos = orderFilterCombos(r->MISPLAKJACIID);
    listkit::openFilterDialog(
        FILTER, CTITFILTERIZVESTAJTREZOR,
        [&] {
            for (const DateBox& box : dateBoxes()) {
                ui::addLabel(FILTER, std::string("lbl") + box.name)
                    .at(box.labelCol, box.row, box.labelWidth, 20)
                    .text(box.label);
                const ui::Ctl date = ui::addMaskedBox(FILTER, std::string("txt") + box.name, "99.99.9999");
                date.at(box.labelCol == 30 ? 220 : 500, box.row, 80, 20).tooltip(box.tooltip);
                if (!(r->filter.*box.date).empty()) date.text(shell::shownDate(r->filter.*box.date));
            }
            addOrderFilterCombos(FILTER, "IzvestajTrezor", combos);
            ui::addRadioGroup(FILTER, "rgIzvestajTrezorPodneseni", {COPTPODNESENI, COPTNEPODNESENI, COPTSITE})
                .at(300, 230, 200, 75)
                .tooltip(CTOOLTIPPREGLEDPODNESENI)
                .value(r->IPODNESENI);
            ui::addLabel(FILTER, "lblIzvestajTrezorObrazec").at(30, 290, 100, 20).text(CVALUELBLOBRAZEC);
            const ui::Ctl form = ui::addMaskedBox(FILTER, "txtIzvestajTrezorObrazec", "99");
            form.at(130, 290, 30, 20).tooltip(CTOOLTIPOBRAZEC);
            if (!r->filter.formCode.empty()) form.text(r->filter.formCode);
        },
        [r, combos] { IZVESTAJTREZOROK(*r, combos); });
}

void PODNESENIVONEPODNESENI(Report& r) {
    using namespace vocab;
    if (r.IPODNESENI != 1) {
        ui::msgInfo(CPORSAMOPODNESENI, CPORGRESKA);
        return;
    }
    const auto lines = listkit::selectedLines(*r.list);
    if (!lines) return;
    // After a payer change the list holds every state although the filter chose
    // submitted orders: the rows themselves must be submitted.
    const auto unsubmit = unsubmitChange(shell::app().DB, r.list->gridCtl().rows(), *lines);
    if (!unsubmit) {
        ui::msgInfo(CPORSAMOPODNESENI, CPORGRESKA);
        return;
    }
    const listkit::SelectionTotals totals = ONSELECTGRIDIZVESTAJTREZOR(*r.list);
    if (!ui::msgYesNo(listkit::selectionQuestion(CPORPODNESENINEPODNESENI, totals.count,
                                                 amountText(totals.total, 13))))
        return;
    listkit::changeAndClose(WINDOW, *unsubmit, "", CPORUSPEHPODNESENINEPODNESENI);
}

}  // namespace

void IZVESTAJTREZOR() {
    using namespace vocab;
    // An open report keeps its filter.
    const auto r = registers::openPayerSelection<Report>(WINDOW, orderTablesCreate());
    if (!r) return;
    openOrderSelectionWindow(
        r, {.frame = {.window = WINDOW,
                      .grid = GRID,
                      .title = CTITIZVESTAJTREZOR,
                      .widths = layouts::AWIDTHSIZVESTAJTREZOR,
                      .controls =
                          [r](const auto&) {
                              ui::addButton(WINDOW, "btnConfirm")
                                  .text(CCAPTIONPODNESENINEPODNESENI)
                                  .tooltip(CTOOLTIPPODNESENINEPODNESENI)
                                  .onClick([r] { PODNESENIVONEPODNESENI(*r); });
                          },
                      .filter = [r] { IZVESTAJTREZORFILTER(r); },
                      .layoutMore =
                          [](const listkit::ListState&) { ui::Ctl(WINDOW, "btnConfirm").at(600, 20, 250, 50); }},
            .payer = PAYER,
            .load = [r](const std::string& payerId) { IZVESTAJTREZORGETDATA(*r, payerId, {}); }});
}

}  // namespace treasury
