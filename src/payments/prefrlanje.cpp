// The employee transfer window frmPrefrlanje: the payer and its account, the
// payroll program's folder, the three amounts; its confirm replaces the
// recipients, their accounts and the payment items with the employees of the
// payroll table.
#include <cmath>
#include <memory>
#include <utility>

#include "payments/payroll.h"
#include "payments/transakcii_sql.h"
#include "payments/transfer.h"
#include "platform/desktop/desktop.h"
#include "platform/ui/ui.h"
#include "registers/edit_window.h"
#include "shell/app_state.h"
#include "shell/dialog_buttons.h"
#include "shell/entries.h"
#include "shell/number_boxes.h"
#include "shell/refusal.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

const std::string WINDOW = "frmPrefrlanje";
const std::string PAYERS = "cbTransakciiIsplakjaci";
const std::string ACCOUNTS = "cbTransakciiIsplakjaciZiroSmetki";

struct State {
    registers::Lookup payers;
    registers::Lookup accounts;  // of the chosen payer; no rows when it has none
    // The folder the transfer reads: set at the opening and by the folder
    // dialog; what is typed into the folder box is not read.
    std::string folder;
};

std::optional<registers::Lookup> payerAccounts(const std::string& payerId) {
    return registers::lookup(payerAccountRows(payerId), vocab::CPORNEMAZIROSMETKAISPLAKJAC, "", true);
}

// A payer without accounts leaves the account combo empty, so that no
// account of another payer can be confirmed.
void TRANSAKCIIGETZIROSMETKA(State& state, const std::string& payerId) {
    const ui::Ctl combo(WINDOW, ACCOUNTS);
    combo.deleteAllItems();
    state.accounts = payerAccounts(payerId).value_or(registers::Lookup{});
    if (!state.accounts.rows.empty()) combo.items(state.accounts.items, 1);
}

void FOLDERZARUDAN(State& state, const std::string& control) {
    const auto chosen = ui::getFolder(vocab::CTOOLTIPFOLDERRUDAN, state.folder);
    if (!chosen) return;  // cancelled: the folder stays
    state.folder = shell::trimmed(*chosen);
    ui::Ctl(WINDOW, control).text(state.folder);
    if (payrollFile(state.folder).empty()) ui::msgInfo(vocab::CPORNEPOSTOIRADNIK, vocab::CPORGRESKA);
}

std::int64_t amount(const std::string& box) { return std::llround(ui::Ctl(WINDOW, box).number()); }

void PREFRLANJESAVE(const State& state) {
    using namespace vocab;
    const std::string path = payrollFile(state.folder);
    if (path.empty()) {  // the folder is chosen by its button; a typed one is not read
        shell::refuse(WINDOW, {CPORNEPOSTOIRADNIK, "cmdBrowseToFolder"});
        return;
    }
    for (const auto& [box, caption] : {std::pair{"txtTransakciiIznosBruto", "Бруто"},
                                       std::pair{"txtTransakciiIznosDanok", "Данок"},
                                       std::pair{"txtTransakciiIznosNeto", "Нето"}})
        if (!shell::numberBoxReady(WINDOW, box, caption)) return;
    const TransferItem item{.bruto = amount("txtTransakciiIznosBruto"),
                            .danok = amount("txtTransakciiIznosDanok"),
                            .neto = amount("txtTransakciiIznosNeto"),
                            .payerAccountId = state.accounts.idAt(ui::Ctl(WINDOW, ACCOUNTS).value())};
    if (item.payerAccountId.empty()) {
        shell::refuse(WINDOW, {CPORNEMAZIROSMETKAISPLAKJAC, PAYERS});
        return;
    }
    if (item.bruto == 0) {
        shell::refuse(WINDOW, {CPORPRAZENIZNOSBRUTO, "txtTransakciiIznosBruto"});
        return;
    }
    if (item.neto == 0) {
        shell::refuse(WINDOW, {CPORPRAZENIZNOSNETO, "txtTransakciiIznosNeto"});
        return;
    }
    if (!ui::msgYesNo("Дали навистина сакате да ги префрлите податоците ?")) return;
    const Payroll payroll = readPayroll(path);
    if (payroll.refusal) {
        ui::msgInfo(*payroll.refusal, CPORGRESKA);
        return;
    }
    sqlite3* db = shell::app().DB;
    if (const auto missing = missingFixedRow(db, item.payerAccountId)) {
        if (!missing->empty()) ui::msgInfo(*missing, CPORGRESKA);
        return;
    }
    PREFRLI(db, payroll.records, item, std::stoi(desktop::today().substr(0, 4)));
}

void PREFRLANJEFORMRESIZE() {
    const ui::Win window(WINDOW);
    ui::Ctl(WINDOW, "cmdConfirm").move(30, window.height() - 95);
    ui::Ctl(WINDOW, "cmdCancel").move(window.width() - 140, window.height() - 95);
}

void label(const std::string& name, int col, int row, int width, const std::string& text) {
    ui::addLabel(WINDOW, name).at(col, row, width, 20).text(text);
}

void amountBox(const std::string& name, const std::string& caption, int row) {
    label("lbl" + name, 30, row, 200, caption);
    ui::addNumberBox(WINDOW, "txt" + name, "99999999").at(230, row, 80, 20).number(0);
}

void defineWindow(const std::shared_ptr<State>& state) {
    using namespace vocab;
    ui::defineWindow({.name = WINDOW,
                      .kind = ui::WindowKind::Child,
                      .title = "Префрлање на податоците од Rudan",
                      .width = 740,
                      .height = 600});
    label("lblTransakciiIsplakjaci", 10, 10, 90, CVALUELBLISPLAKJAC);
    ui::addComboBox(WINDOW, PAYERS)
        .at(210, 10, 300, 20)
        .items(state->payers.items, 1)
        .tooltip(CTOOLTIPISPLAKJACI)
        .onChange([state] {
            TRANSAKCIIGETZIROSMETKA(*state, state->payers.idAt(ui::Ctl(WINDOW, PAYERS).value()));
        });
    label("lblTransakciiIsplakjaciZiroSmetki", 10, 50, 300, CVALUELBLISPLAKJACZIRO);
    ui::addComboBox(WINDOW, ACCOUNTS)
        .at(210, 50, 300, 20)
        .items(state->accounts.items, 1)
        .tooltip(CTOOLTIPZIROISPLAKJAC);
    label("lblPateka", 10, 90, 150, CVALUELBLFOLDERRUDAN);
    ui::addButton(WINDOW, "cmdBrowseToFolder").at(200, 90, 20, 20).text("...").onClick([state] {
        FOLDERZARUDAN(*state, "txtFolder");
    });
    ui::addTextBox(WINDOW, "txtFolder").at(230, 90, 320, 20).tooltip(CTOOLTIPFOLDERRUDAN).text(state->folder);
    amountBox("TransakciiIznosBruto", "Бруто:", 270);
    amountBox("TransakciiIznosDanok", "Данок:", 300);
    amountBox("TransakciiIznosNeto", "Нето:", 330);
    shell::addConfirmButton(WINDOW, 30, 505, [state] { PREFRLANJESAVE(*state); });
    shell::addCancelButton(WINDOW, 600, 505);
    ui::Win(WINDOW).onSize(PREFRLANJEFORMRESIZE);
}

}  // namespace

void PREFRLANJE() {
    if (ui::bringToFront(WINDOW)) return;
    // A database that never held a payer has no payer table: no payers either.
    // One that could not be read (a locked file) has been said as it is.
    const std::optional<bool> payerTable = shell::findTable(shell::app().DB, "Isplakjaci");
    if (payerTable == false) ui::msgInfo(vocab::CPORISPLAKJACNEPOSTOI, vocab::CPORGRESKA);
    if (payerTable != true) return;
    auto payers = registers::lookup(PAYERROWS, vocab::CPORISPLAKJACNEPOSTOI, "", true);
    if (!payers) return;
    auto state = std::make_shared<State>();
    state->payers = std::move(*payers);
    auto accounts = payerAccounts(state->payers.idAt(1));
    if (!accounts) return;
    state->accounts = std::move(*accounts);
    state->folder = defaultPayrollFolder();
    defineWindow(state);
    PREFRLANJEFORMRESIZE();
    ui::Win(WINDOW).center().activate();
}

}  // namespace payments
