// The order edit window frmNaloziChange: the order's values in boxes and
// combos lying over the fields of the drawn form.
#include "listkit/edit_checks.h"
#include "platform/desktop/desktop.h"
#include "platform/ui/ui.h"
#include "registers/edit_window.h"
#include "registers/isplakjaci_sql.h"
#include "registers/revenue_sql.h"
#include "registers/primaci_sql.h"
#include "registers/recipient_account_combo.h"
#include "shell/app_state.h"
#include "shell/column_width.h"
#include "shell/date_boxes.h"
#include "shell/dates.h"
#include "shell/refusal.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/nalozi.h"
#include "treasury/nalozi_table.h"
#include "treasury/order_forms.h"
#include "treasury/order_values.h"

namespace treasury {

namespace {

const std::string EDIT = "frmNaloziChange";

// The values the window opens with, for a new order or from the list row.
struct Initial {
    std::string dueDate, debited, payerAccountId, kontoId, programme, purpose, office;
    std::int64_t cents = 0;
    std::string recipientId, recipientAccountId, revenueKontoId;
    std::string accountBox, nameBox, subAccountBox, kontoBox, programmeBox, reference, method;
};

// Owned by the edit window from its opening to its closing.
struct OrderEdit {
    listkit::EditState edit;
    std::string code;
    FormSet set = FormSet::Outside;
    registers::Lookup payerAccounts, kontos, recipients;
    ui::TextTable recipientAccounts;
    bool LGRESKANEMAZIROPRIMAC = false;
    std::string debited, payeeAccount, office, method, initialSubAccount;
};

Initial newOrder(const OrderWindow& orders, const std::string& debited, const std::string& payee) {
    return {.dueDate = desktop::today(),
            .debited = debited,
            .programme = orders.payer.MPROGRAMAZADOLZUVA,
            .office = orders.payer.MTREZORSKAKANCELARIJA,
            .accountBox = payee,
            .nameBox = std::string(70, ' '),
            .subAccountBox = std::string(18, ' '),
            .kontoBox = std::string(6, ' '),
            .programmeBox = "00",
            .method = "2"};
}

// The values of the list row, numbered as the list's columns.
Initial listedOrder(const ui::Ctl& grid, int line, FormSet set, const std::string& payee) {
    const auto value = [&](int column) { return grid.cell(line, column); };
    return {.dueDate = shell::storedDate(value(4)),
            .debited = value(5),
            .payerAccountId = value(21),
            .kontoId = value(22),
            .programme = value(8),
            .purpose = value(9),
            .office = value(10),
            .cents = parseCents(value(11)).value_or(0),
            .recipientId = value(23),
            .recipientAccountId = value(24),
            .revenueKontoId = value(25),
            .accountBox = set == FormSet::Refund ? value(12) : payee,
            .nameBox = value(13),
            .subAccountBox = value(14),
            .kontoBox = value(15),
            .programmeBox = value(16),
            .reference = value(17),
            .method = value(18)};
}

ui::Ctl ctl(const std::string& name) { return ui::Ctl(EDIT, name); }
std::string typed(const std::string& name) { return ctl(name).text(); }

// Lays the control over its field of the form and gives it the form's look.
ui::Ctl placed(const OrderEdit& state, ui::Ctl control, int width, std::string_view tooltip) {
    const auto place = placeOf(control.name(), state.set);
    const Look look = lookOf(control.name(), state.code);
    control.at(place ? place->col : 0, place ? place->row : 0, width, 20)
        .tooltip(tooltip)
        .visible(place && look != Look::Hidden)
        .enabled(look != Look::Disabled);
    return control;
}

// The cash forms take the reference and the identity-card number from the recipient.
void fillFromRecipient(const std::string& recipientId) {
    const auto rows =
        shell::SQL(shell::app().DB, "SELECT ID, MaticenBroj, EMBG FROM Primaci WHERE ID = " + shell::quoted(recipientId));
    if (rows.empty()) return;
    const auto [code, programme] = identityParts(rows.at(0, 1));
    ctl("txtNaloziPovikuvanjeNaBroj").text(rows.at(0, 2));
    ctl("txtNaloziKontaPrimac").text(code);
    ctl("txtNaloziProgramaPrimac").text(programme);
}

void FILTERZIROSMETKIPRIMACITREZOR(OrderEdit& state, int position) {
    const std::string recipientId = state.recipients.idAt(position);
    state.recipientAccounts = shell::SQL(shell::app().DB, registers::recipientAccountRows(recipientId));
    if (state.set == FormSet::Cash) {
        ctl("cbNaloziPrimaciZiroSmetki").deleteAllItems();
        state.LGRESKANEMAZIROPRIMAC = false;
        fillFromRecipient(recipientId);
        return;
    }
    state.LGRESKANEMAZIROPRIMAC =
        !registers::showRecipientAccounts(ctl("cbNaloziPrimaciZiroSmetki"), state.recipientAccounts);
}

// A new order's purpose follows the expenditure account code, every time the
// combo is left.
void LOSTFOCUSKONTAISPLAKJACI(const OrderEdit& state) {
    if (!state.edit.isNew) return;
    const std::string id = state.kontos.idAt(ctl("cbNaloziKontaIsplakjaci").value());
    const auto rows = shell::SQL(shell::app().DB, "SELECT ID, Opis FROM Konta WHERE ID = " + shell::quoted(id));
    if (!rows.empty()) ctl("txtNaloziCelNaDoznaka").text(rows.at(0, 1));
}

std::string rowValue(const ui::TextTable& rows, int position, std::size_t column) {
    if (position < 1 || static_cast<std::size_t>(position) > rows.rows()) return {};
    return rows.at(static_cast<std::size_t>(position) - 1, column);
}

OrderEntry entered(const OrderWindow& orders, const OrderEdit& state) {
    const int payerAccount = ctl("cbNaloziIsplakjaciZiroSmetki").value();
    const int konto = ctl("cbNaloziKontaIsplakjaci").value();
    const int recipient = ctl("cbNaloziPrimaci").value();
    const int recipientAccount = ctl("cbNaloziPrimaciZiroSmetki").value();
    const int revenueKonto = ctl("cbNaloziKontaPrimac").value();
    const std::string due = ctl("txtNaloziDatumNaDospeanost").date();
    return {.formCode = state.code,
            .dueDate = due.empty() ? std::string(8, ' ') : due,
            .debitedAccount = state.debited,
            .payerAccountId = rowValue(state.payerAccounts.rows, payerAccount, 0),
            .payerAccount = rowValue(state.payerAccounts.rows, payerAccount, 2),
            .kontoId = rowValue(state.kontos.rows, konto, 0),
            .konto = rowValue(state.kontos.rows, konto, 1),
            .programme = typed("txtNaloziProgramaZadolzuva"),
            .purpose = typed("txtNaloziCelNaDoznaka"),
            .office = state.office,
            .cents = parseCents(typed("txtNaloziIznos")).value_or(0),
            .payerId = orders.MISPLAKJACIID,
            .payerTaxNumber = orders.payer.MDANOCENBROJ,
            .method = state.method,
            .recipientId = rowValue(state.recipients.rows, recipient, 0),
            .recipientName = rowValue(state.recipients.rows, recipient, 2),
            .recipientAccountId = rowValue(state.recipientAccounts, recipientAccount, 0),
            .recipientAccount = rowValue(state.recipientAccounts, recipientAccount, 2),
            .revenueKontoId = rowValue(state.kontos.rows, revenueKonto, 0),
            .revenueKonto = rowValue(state.kontos.rows, revenueKonto, 1),
            .payeeAccount = state.payeeAccount,
            .accountBox = typed("txtNaloziSmetkaPrimac"),
            .nameBox = typed("txtNaloziPrimaci"),
            .subAccountBox = typed("txtNaloziPrimaciZiroSmetki"),
            .kontoBox = typed("txtNaloziKontaPrimac"),
            .programmeBox = typed("txtNaloziProgramaPrimac"),
            .reference = typed("txtNaloziPovikuvanjeNaBroj"),
            .initialSubAccount = state.initialSubAccount,
            .recipientWithoutAccount = state.LGRESKANEMAZIROPRIMAC};
}

// Every save leaves the order unsubmitted; the window closes and the list
// reloads also after a failed statement, whose message has been shown.
void NALOZISAVE(const std::shared_ptr<OrderWindow>& orders, const OrderEdit& state) {
    if (!shell::datesReady(EDIT, {{"txtNaloziDatumNaDospeanost", vocab::CTOOLTIPDATUMNADOSPEANOST}})) return;
    const OrderEntry entry = entered(*orders, state);
    if (const auto refusal = orderRefusal(entry)) {
        shell::refuse(EDIT, *refusal);
        return;
    }
    registers::writeAndClose(EDIT, orderStatement(orderColumns(entry), state.edit.MID),
                             [orders] { NALOZIGETDATA(*orders, orders->MISPLAKJACIID); });
}

void addControls(const std::shared_ptr<OrderEdit>& state, const OrderWindow& orders, const Initial& v,
                 int revenueKontoPosition, const std::vector<std::string>& recipientAccountItems,
                 int recipientAccountPosition) {
    using namespace vocab;
    // A box takes no more characters than the column it is stored in.
    const std::string table = naloziCreate();
    const auto text = [&](const std::string& name, int width, std::string_view tooltip, const std::string& value,
                          std::string_view column = "") {
        placed(*state, ui::addTextBox(EDIT, name), width, tooltip)
            .maxLength(shell::columnWidth(table, column))
            .text(value);
    };
    const std::string picture = formPictureName(state->code);
    ui::definePicture(picture, SHEETWIDTH, SHEETHEIGHT, formSheet(state->code));
    ui::addImage(EDIT, "ImageVirman").at(SHEETCOL, SHEETROW, SHEETWIDTH, SHEETHEIGHT).picture(picture);

    text("txtNaloziTrezorskaKancelarija", 60, CTOOLTIPTREZORSKAKANCELARIJA, v.office, "TrezorskaKancelarija");
    placed(*state, ui::addDatePicker(EDIT, "txtNaloziDatumNaDospeanost"), 100, CTOOLTIPDATUMNADOSPEANOST)
        .allowEmptyDate(true)
        .date(v.dueDate);
    text("txtNaloziSmetkaZadolzuva", 120, CTOOLTIPTREZORSKASMETKA, v.debited, "SmetkaZadolzuva");
    placed(*state, ui::addComboBox(EDIT, "cbNaloziIsplakjaciZiroSmetki"), 200, CTOOLTIPZIROISPLAKJAC)
        .items(state->payerAccounts.items, state->payerAccounts.initial);
    text("txtNaloziIsplakjaciNaziv", 180, CTOOLTIPIMEFIRMA, orders.payer.MISPLAKJACINAZIV);
    text("txtNaloziIsplakjaciSediste", 90, CTOOLTIPSEDISTE, orders.payer.MISPLAKJACISEDISTE);
    placed(*state, ui::addComboBox(EDIT, "cbNaloziKontaIsplakjaci"), 110, CTOOLTIPKONTOZADOLZUVA)
        .items(state->kontos.items, state->kontos.initial)
        .onLostFocus([state] { LOSTFOCUSKONTAISPLAKJACI(*state); });
    text("txtNaloziProgramaZadolzuva", 40, CTOOLTIPPROGRAMA, v.programme, "ProgramaZadolzuva");
    text("txtNaloziCelNaDoznaka", 270, CTOOLTIPCELNADOZNAKA, v.purpose, "CelNaDoznaka");
    text("txtNaloziSmetkaPrimac", 120, CTOOLTIPSMETKAPRIMAC, v.accountBox, "SmetkaPrimac");
    placed(*state, ui::addComboBox(EDIT, "cbNaloziPrimaci"), 240, CTOOLTIPPRIMAC)
        .items(state->recipients.items, state->recipients.initial)
        .onChange([state] { FILTERZIROSMETKIPRIMACITREZOR(*state, ctl("cbNaloziPrimaci").value()); });
    text("txtNaloziPrimaci", 240, CTOOLTIPPRIMAC, v.nameBox, "NazivPrimac");
    placed(*state, ui::addComboBox(EDIT, "cbNaloziPrimaciZiroSmetki"), 250, CTOOLTIPZIROPRIMAC)
        .items(recipientAccountItems, recipientAccountItems.empty() ? 0 : recipientAccountPosition);
    text("txtNaloziPrimaciZiroSmetki", 250, CTOOLTIPZIROPRIMAC, v.subAccountBox, "PodsmetkaPrimac");
    placed(*state, ui::addComboBox(EDIT, "cbNaloziKontaPrimac"), 110, CTOOLTIPKONTOPRIMAC)
        .items(state->kontos.items, revenueKontoPosition);
    text("txtNaloziKontaPrimac", 55, CTOOLTIPKONTOPRIMAC, v.kontoBox, "KontoPrimac");
    text("txtNaloziProgramaPrimac", 20, CTOOLTIPPROGRAMA, v.programmeBox, "ProgramaPrimac");
    // Fifteen digits: the table keeps the amount as a floating-point number,
    // which gives back no more digits than that.
    placed(*state, ui::addNumberBox(EDIT, "txtNaloziIznos", "9999999999999.99"), 80, CTOOLTIPIZNOS)
        .text(amountText(v.cents));
    text("txtNaloziPovikuvanjeNaBroj", 240, CTOOLTIPPOVIKUVANJENABROJ, v.reference, "PovikuvanjeNaBroj");
}

}  // namespace

void NaloziChange(const std::shared_ptr<OrderWindow>& orders, bool isNew) {
    using namespace vocab;
    const auto list = orders->list.lock();
    auto edit = registers::beginEdit(*list, isNew);
    if (!edit) return;
    auto state = std::make_shared<OrderEdit>();
    state->edit = *edit;
    state->code = orders->COBRAZEC;
    state->set = *formSetOf(state->code);
    const TreasuryAccounts accounts{shell::app().MTREZORSKASMETKANARM, shell::app().MTREZORSKASMETKANAFZOM};
    const auto debited = debitedAccount(orders->payer.MVIDNATREZOR, accounts);
    if (!debited) {
        ui::msgInfo(CPORNESEZNAETREZOROT, CPORGRESKA);
        return;
    }
    state->payeeAccount = payeeAccount(state->set, orders->payer.MVIDNATREZOR, accounts);
    Initial v = isNew ? newOrder(*orders, *debited, state->payeeAccount)
                      : listedOrder(list->gridCtl(), state->edit.LINENO, state->set, state->payeeAccount);

    auto payerAccounts = registers::lookup(
        registers::payerAccountRows(orders->MISPLAKJACIID),
        CPORNEMAZIROSMETKAISPLAKJAC, v.payerAccountId, isNew);
    if (!payerAccounts) return;
    auto kontos = registers::lookup(registers::accountLookup, CPORPRAZNAKONTA, v.kontoId, isNew);
    if (!kontos) return;
    const std::string recipientName = "Ime || ' ' || Prezime || ' ' || Mesto";
    auto recipients = registers::lookup("select ID, ID, " + recipientName + ", MaticenBroj, EMBG from Primaci order by " +
                                            recipientName,
                                        CPORPRAZNAPRIMACI, v.recipientId, isNew);
    if (!recipients) return;
    state->payerAccounts = std::move(*payerAccounts);
    state->kontos = std::move(*kontos);
    state->recipients = std::move(*recipients);

    const std::string recipientId = state->recipients.idAt(state->recipients.initial);
    state->recipientAccounts = shell::SQL(shell::app().DB, registers::recipientAccountRows(recipientId));
    state->LGRESKANEMAZIROPRIMAC = state->recipientAccounts.empty();
    std::vector<std::string> recipientAccountItems, unused;
    const int recipientAccountPosition =
        shell::NAPUNINIZIZAKOMBO(recipientAccountItems, state->recipientAccounts, v.recipientAccountId, isNew);
    const int revenueKontoPosition = shell::NAPUNINIZIZAKOMBO(unused, state->kontos.rows, v.revenueKontoId, isNew);
    if (isNew && state->set == FormSet::Cash) {
        const auto [code, programme] = identityParts(state->recipients.rows.at(0, 3));
        v.reference = state->recipients.rows.at(0, 4);
        v.kontoBox = code;
        v.programmeBox = programme;
    }
    state->debited = v.debited;
    state->office = v.office;
    state->method = v.method;
    state->initialSubAccount = v.subAccountBox;

    registers::openEditWindow(
        {.name = EDIT,
         .width = 700,
         .height = 490,
         .cancelFromRight = 200,
         .confirmCol = 100,
         .buttonsFromBottom = 80,
         .isNew = isNew,
         .controls =
             [&](const std::string&) {
                 addControls(state, *orders, v, revenueKontoPosition, recipientAccountItems,
                             recipientAccountPosition);
             },
         .save = [orders, state] { NALOZISAVE(orders, *state); }});
}

}  // namespace treasury
