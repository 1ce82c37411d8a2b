// The treasury orders report frmIzvestajTrezor: every order of one payer,
// narrowed by a filter on dates, account, recipient, submission state and
// form; selected submitted orders can be returned to unsubmitted.
#include <memory>

#include "platform/ui/ui.h"
#include "registers/current_payer.h"
#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/row_changes.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_filters.h"
#include "treasury/order_list_row.h"
#include "treasury/order_selection.h"

namespace treasury {

namespace {

const std::string WINDOW = "frmIzvestajTrezor";
const std::string GRID = "grdIzvestajTrezor";
const std::string PAYER = "IzvestajTrezorIsplakjaci";
const std::string FILTER = "frmIzvestajTrezorFilter";

struct Report {
    registers::Lookup payers;
    std::string MISPLAKJACIID;
    registers::CurrentPayer payer;
    std::shared_ptr<listkit::ListState> list;
    // The last applied filter: its dates, state and form show again in the
    // dialog; its account and recipient are applied but not shown again.
    OrderFilter filter;
    int IPODNESENI = 3;
};

void IZVESTAJTREZORGETDATA(Report& r, const std::string& payerId, const OrderFilter& filter) {
    r.MISPLAKJACIID = payerId;
    registers::ISPLAKJACICITAJ(payerId, r.payer);
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

void IZVESTAJTREZOROK(Report& r, const FilterCombo& accounts, const FilterCombo& recipients) {
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
    filter.accountId = accounts.idAt(ui::Ctl(FILTER, "cbIzvestajTrezorIsplakjaciZiroSmetki").value());
    filter.recipientId = recipients.idAt(ui::Ctl(FILTER, "cbIzvestajTrezorPrimaciOpis").value());
    filter.formCode = ui::Ctl(FILTER, "txtIzvestajTrezorObrazec").text();
    filter.state = ui::Ctl(FILTER, "rgIzvestajTrezorPodneseni").value();
    r.filter = filter;
    r.IPODNESENI = filter.state;
    IZVESTAJTREZORGETDATA(r, r.MISPLAKJACIID, filter);
    ui::Win(FILTER).release();
}

void IZVESTAJTREZORFILTER(const std::shared_ptr<Report>& r) {
    using namespace vocab;
    const FilterCombo recipients = filterCombo(RECIPIENTROWS);
    const FilterCombo accounts = filterCombo(payerAccountRows(r->MISPLAKJACIID));
    ui::defineWindow({.name = FILTER, .kind = ui::WindowKind::Modal, .title = CTITFILTERIZVESTAJTREZOR,
                      .width = 700, .height = 450, .closeBox = false, .sizable = false});
    for (const DateBox& box : dateBoxes()) {
        ui::addLabel(FILTER, std::string("lbl") + box.name).at(box.labelCol, box.row, box.labelWidth, 20).text(box.label);
        const ui::Ctl date = ui::addMaskedBox(FILTER, std::string("txt") + box.name, "99.99.9999");
        date.at(box.labelCol == 30 ? 220 : 500, box.row, 80, 20).tooltip(box.tooltip);
        if (!(r->filter.*box.date).empty()) date.text(shell::shownDate(r->filter.*box.date));
    }
    ui::addLabel(FILTER, "lblIzvestajTrezorIsplakjaciZiroSmetki").at(100, 120, 300, 20).text(CVALUELBLISPLAKJACZIRO);
    ui::addComboBox(FILTER, "cbIzvestajTrezorIsplakjaciZiroSmetki")
        .at(300, 120, 200, 24)
        .items(accounts.items)
        .tooltip(CTOOLTIPZIROISPLAKJAC);
    ui::addLabel(FILTER, "lblIzvestajTrezorPrimaciOpis").at(100, 170, 300, 20).text(CVALUELBLPRIMAC);
    ui::addComboBox(FILTER, "cbIzvestajTrezorPrimaciOpis")
        .at(300, 170, 300, 24)
        .items(recipients.items)
        .tooltip(CTOOLTIPPRIMAC);
    ui::addRadioGroup(FILTER, "rgIzvestajTrezorPodneseni", {COPTPODNESENI, COPTNEPODNESENI, COPTSITE})
        .at(300, 230, 200, 75)
        .tooltip(CTOOLTIPPREGLEDPODNESENI)
        .value(r->IPODNESENI);
    ui::addLabel(FILTER, "lblIzvestajTrezorObrazec").at(30, 290, 100, 20).text(CVALUELBLOBRAZEC);
    const ui::Ctl form = ui::addMaskedBox(FILTER, "txtIzvestajTrezorObrazec", "99");
    form.at(130, 290, 30, 20).tooltip(CTOOLTIPOBRAZEC);
    if (!r->filter.formCode.empty()) form.text(r->filter.formCode);
    ui::addButton(FILTER, "cmdConfirm")
        .at(100, 380, 100, 25)
        .text(CCAPTIONPOTVRDI)
        .picture("img16OK")
        .tooltip(CTOOLTIPPOTVRDI)
        .onClick([r, accounts, recipients] { IZVESTAJTREZOROK(*r, accounts, recipients); });
    ui::addButton(FILTER, "cmdCancel")
        .at(500, 380, 100, 25)
        .text(CCAPTIONOTKAZI)
        .picture("img16Cancel")
        .tooltip(CTOOLTIPOTKAZI)
        .onClick([] { ui::Win(FILTER).release(); });
    ui::Win(FILTER).center().activate();
}

void PODNESENIVONEPODNESENI(Report& r) {
    using namespace vocab;
    if (r.IPODNESENI != 1) {
        ui::msgInfo(CPORSAMOPODNESENI, CPORGRESKA);
        return;
    }
    const std::vector<int> lines = r.list->gridCtl().selection();
    if (lines.empty()) {
        ui::msgInfo(CPORNITUEDENREDSELEKTIRAN, CPORGRESKA);
        return;
    }
    // After a payer change the list holds every state although the filter chose
    // submitted orders: the rows themselves must be submitted.
    const ui::TextTable& rows = r.list->gridCtl().rows();
    std::vector<std::string> updates;
    for (int line : lines) {
        if (shell::storedDate(orderValue(rows, line - 1, order::SUBMITTED)).empty()) {
            ui::msgInfo(CPORSAMOPODNESENI, CPORGRESKA);
            return;
        }
        updates.push_back("UPDATE Nalozi SET DatumNaPodnesuvanje = '' WHERE ID = " +
                          shell::C2SQL(std::string(orderValue(rows, line - 1, order::ID))));
    }
    const listkit::SelectionTotals totals = ONSELECTGRIDIZVESTAJTREZOR(*r.list);
    if (!ui::msgYesNo(listkit::selectionQuestion(CPORPODNESENINEPODNESENI, totals.count,
                                                 amountText(totals.total, 13))))
        return;
    if (shell::changeRows(shell::app().DB, updates)) ui::msgInfo(CPORUSPEHPODNESENINEPODNESENI, CPORUSPEH);
    ui::Win(WINDOW).release();
}

}  // namespace

void IZVESTAJTREZOR() {
    using namespace vocab;
    // An open report keeps its filter.
    if (ui::windowExists(WINDOW)) return;
    {
        ui::WaitWindow wait(CPORSEPREZEMAATPODATOCITEODBAZA);
        for (const std::string& statement : orderTablesCreate()) shell::MISCSQL1(shell::app().DB, statement);
    }
    auto payers = registers::lookup(ORDERPAYERROWS, CPORPRAZNAISPLAKJACI, "", true);
    if (!payers) return;
    auto r = std::make_shared<Report>();
    r->payers = std::move(*payers);
    r->MISPLAKJACIID = r->payers.idAt(1);
    registers::ISPLAKJACICITAJ(r->MISPLAKJACIID, r->payer);
    r->list = defineOrderSelectionWindow({
        .window = WINDOW,
        .grid = GRID,
        .title = CTITIZVESTAJTREZOR,
        .widths = layouts::AWIDTHSIZVESTAJTREZOR,
        .controls =
            [r](const auto&) {
                addPayerCombo(WINDOW, PAYER, r->payers,
                              [r](const std::string& payerId) { IZVESTAJTREZORGETDATA(*r, payerId, {}); });
                ui::addButton(WINDOW, "btnConfirm")
                    .text(CCAPTIONPODNESENINEPODNESENI)
                    .tooltip(CTOOLTIPPODNESENINEPODNESENI)
                    .onClick([r] { PODNESENIVONEPODNESENI(*r); });
            },
        .filter = [r] { IZVESTAJTREZORFILTER(r); },
        .layoutMore =
            [](const listkit::ListState&) {
                layoutPayerCombo(WINDOW, PAYER);
                ui::Ctl(WINDOW, "btnConfirm").at(600, 20, 250, 50);
            },
    });
    ui::Win(WINDOW).onStart([r] { IZVESTAJTREZORGETDATA(*r, r->MISPLAKJACIID, {}); }).center().activate();
}

}  // namespace treasury
