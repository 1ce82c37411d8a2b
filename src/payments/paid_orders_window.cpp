#include "payments/paid_orders_window.h"

#include <memory>

#include "payments/paid_orders.h"
#include "payments/transakcii_sql.h"
#include "platform/desktop/desktop.h"
#include "platform/ui/ui.h"
#include "registers/edit_window.h"
#include "registers/revenue_sql.h"
#include "shell/app_state.h"
#include "shell/date_boxes.h"
#include "shell/dialog_buttons.h"
#include "shell/refusal.h"
#include "shell/sql1.h"
#include "shell/statement.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/day_after.h"
#include "treasury/treasury_file.h"

namespace payments {

namespace {

const std::string WINDOW = "frmIzvestajNaloziChange";
const std::string ACCOUNTS = "cbIzvestajNaloziIsplakjaciZiroSmetki";
const std::string KONTA = "cbNaloziKontaIsplakjaci";

struct Dialog {
    std::string payerId;
    registers::CurrentPayer payer;
    ui::TextTable items;
    registers::Lookup accounts, konta;
};

// What the orders are made with: the dialog's values beside the payer and the
// treasury parameters.
PaidOrdersInput ordersInput(const Dialog& d) {
    const shell::AppState& app = shell::app();
    const auto value = [](const std::string& name) { return ui::Ctl(WINDOW, name).value(); };
    const auto date = [](const std::string& name) { return ui::Ctl(WINDOW, name).date(); };
    const int account = value(ACCOUNTS), konto = value(KONTA);
    return {.payerId = d.payerId,
            .payer = d.payer,
            .accountId = d.accounts.idAt(account),
            .accountNumber = account >= 1 ? d.accounts.rows.at(account - 1, 2) : "",
            .kontoCode = konto >= 1 ? d.konta.rows.at(konto - 1, 1) : "",
            .submissionDate = date("txtIzvestajNaloziDataNaPodnesuvanje"),
            .processingDate = date("txtIzvestajNaloziDataNaObrabotka"),
            .dueDate = date("txtIzvestajNaloziDatumNaDospeanost"),
            .folio = ui::Ctl(WINDOW, "txtIzvestajNaloziFolio").text(),
            .treasuryAccountRM = app.MTREZORSKASMETKANARM,
            .treasuryAccountFZOM = app.MTREZORSKASMETKANAFZOM,
            .taxAccount1 = app.MUPLATNASMETKAZAPD1,
            .taxAccount2 = app.MUPLATNASMETKAZAPD2};
}

// The orders and their file stand or fall together: the file is written and
// synced, its place checked again, it is set aside under a name no cleanup
// removes, the orders are committed, and only then is the file put in place.
// A commit that fails removes the file; a file that is not written (a
// cancelled dialog, no free name, a write error, a place taken meanwhile)
// rolls the orders back. Should the file still fail to go in place after the
// commit, it stays under its set-aside name and the message says so, with the
// orders stored as submitted.
void SELEKTIRANIVONALOZI(const Dialog& d) {
    using namespace vocab;
    if (!shell::datesReady(WINDOW, {{"txtIzvestajNaloziDataNaPodnesuvanje", CTOOLTIPDATANAPODNESUVANJE},
                                    {"txtIzvestajNaloziDataNaObrabotka", CTOOLTIPDATANAOBRABOTKA},
                                    {"txtIzvestajNaloziDatumNaDospeanost", CTOOLTIPDATUMNADOSPEANOST}}))
        return;
    const PaidOrdersInput input = ordersInput(d);
    if (shell::isBlank(input.folio)) {
        shell::refuse(WINDOW, {CPORPRAZENFOLIO, "txtIzvestajNaloziFolio"});
        return;
    }
    PaidOrders orders = paidOrders(input, d.items);
    if (orders.refusal) {
        ui::msgInfo(*orders.refusal, CPORGRESKA);
        return;
    }
    shell::Transaction transaction(shell::app().DB);
    if (!transaction.open()) return;  // its error is shown; the dialog stays
    shell::Statement insert(shell::app().DB, naloziInsert);
    for (std::size_t r = 0; r < orders.orders.rows(); ++r)
        if (!transaction.run(insert, orders.orders, r)) {
            ui::msgInfo(CPORPROBLEMIPRIUPDATE, CPORGRESKA);
            ui::Win(WINDOW).release();
            return;
        }
    bool committed = false;
    treasury::NAPRAVIFAJL(treasury::Mode::N, orders.file,
                          {.run =
                               [&] {
                                   committed = transaction.commit();
                                   if (!committed) ui::msgInfo(CPORPROBLEMIPRIUPDATE, CPORGRESKA);
                                   return committed;
                               },
                           .done = CPORNALOZIZACUVANIPODNESENI});
    if (committed && orders.file.LUSPEH) ui::msgInfo(CPORUSPEHSELEKTIRANIVONALOZI, CPORUSPEH);
    ui::Win(WINDOW).release();
}

void defineDialog(const std::shared_ptr<Dialog>& d) {
    using namespace vocab;
    ui::defineWindow({.name = WINDOW,
                      .kind = ui::WindowKind::Modal,
                      .title = CTITPODATOCIZATREZOR,
                      .width = 800,
                      .height = 500,
                      .closeBox = false,
                      .sizable = false});
    const auto row = [](const std::string& label, int row, const std::string& text, const ui::Ctl& input,
                        int width, const std::string& tooltip) {
        ui::addLabel(WINDOW, label).at(20, row, 180, 20).text(text);
        return input.at(220, row, width, 24).tooltip(tooltip);
    };
    row("lblIzvestajNaloziIsplakjaciZiroSmetki", 40, CVALUELBLZIROSMETKA, ui::addComboBox(WINDOW, ACCOUNTS), 200,
        CTOOLTIPZIROISPLAKJAC)
        .items(d->accounts.items, 1);
    row("lblIzvestajNaloziKontoZadolzuva", 80, CVALUELBLKONTOZADOLZUVA, ui::addComboBox(WINDOW, KONTA), 300,
        CTOOLTIPKONTOZADOLZUVA)
        .items(d->konta.items, 1);
    const std::string today = desktop::today();
    row("lblIzvestajNaloziDataNaPodnesuvanje", 120, CVALUELBLDATANAPODNESUVANJE,
        ui::addDatePicker(WINDOW, "txtIzvestajNaloziDataNaPodnesuvanje"), 110, CTOOLTIPDATANAPODNESUVANJE)
        .date(today);
    row("lblIzvestajNaloziDataNaObrabotka", 160, CVALUELBLDATANAOBRABOTKA,
        ui::addDatePicker(WINDOW, "txtIzvestajNaloziDataNaObrabotka"), 110, CTOOLTIPDATANAOBRABOTKA)
        .date(treasury::dayAfter(today));
    // The day's batch digit is chosen when the file is named; the box only shows the usual one.
    row("lblIzvestajNaloziBrojNaPratka", 200, CVALUELBLBROJNAPRATKA,
        ui::addMaskedBox(WINDOW, "txtIzvestajNaloziBrojNaPratka", "9"), 20, CTOOLTIPBROJNAPRATKA)
        .text("1");
    // Empty, so that a click puts the cursor at its start: the folio is filled
    // to its 70 bytes when the orders are made.
    row("lblIzvestajNaloziFolio", 240, CVALUELBLFOLIO, ui::addTextBox(WINDOW, "txtIzvestajNaloziFolio"), 500,
        CTOOLTIPFOLIO);
    registers::requiredMark(WINDOW, "lblIsplakjaciNazivObavezno", 200, 240);
    row("lblIzvestajNaloziDatumNaDospeanost", 280, CVALUELBLDATUMNADOSPEANOST,
        ui::addDatePicker(WINDOW, "txtIzvestajNaloziDatumNaDospeanost"), 110, CTOOLTIPDATUMNADOSPEANOST)
        .date(today);
    shell::addConfirmButton(WINDOW, 30, 500 - 95, [d] { SELEKTIRANIVONALOZI(*d); });
    shell::addCancelButton(WINDOW, 800 - 140, 500 - 95);
}

}  // namespace

void openPaidOrdersDialog(const std::string& payerId, const registers::CurrentPayer& payer, ui::TextTable items) {
    using namespace vocab;
    auto d = std::make_shared<Dialog>(Dialog{.payerId = payerId, .payer = payer, .items = std::move(items)});
    auto accounts = registers::lookup(payerAccountRows(payerId), CPORNEMAZIROSMETKAISPLAKJAC, "", true);
    if (!accounts) return;
    d->accounts = std::move(*accounts);
    auto konta = registers::lookup(registers::accountLookup, CPORPRAZNAKONTA, "", true);
    if (!konta) return;
    d->konta = std::move(*konta);
    // What the items alone decide (a recipient without a municipality) is
    // refused before the dialog asks for anything.
    PaidOrdersInput probe = {.payer = payer};
    if (const auto refusal = paidOrders(probe, d->items).refusal) {
        ui::msgInfo(*refusal, CPORGRESKA);
        return;
    }
    defineDialog(d);
    ui::Win(WINDOW).center().activate();
}

}  // namespace payments
