// The payer register: as a rule one payer, the institution that runs the
// system, so the list's Add button goes once a payer exists (Insert still adds).
#include "registers/isplakjaci.h"

#include <cstdlib>

#include "listkit/record_list.h"
#include "platform/text/utf8.h"
#include "platform/ui/ui.h"
#include "registers/account_grid.h"
#include "registers/edit_window.h"
#include "registers/isplakjaci_sql.h"
#include "registers/tab_fields.h"
#include "shell/app_state.h"
#include "shell/column_width.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/refusal.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

const std::string LIST = "frmIsplakjaci";
const std::string GRID = "grdIsplakjaci";
const std::string EDIT = "frmIsplakjaciChange";
const std::string TAB = "tabIsplakjaci";
const std::vector<std::string> KINDS = {"FZM", "TRZ"};

// The edit window's state, from its opening to its closing.
struct PayerEdit {
    EditState edit;
    Lookup municipalities;
    std::string kind;  // the working treasury kind, kept when the combo shows none
};

AccountPage accountPage() {
    return {.window = EDIT,
            .tab = TAB,
            .page = 3,
            .name = "Isplakjaci",
            .tooltip = vocab::CTOOLTIPZIROISPLAKJAC,
            .keepBlanks = false,
            .tables = payerAccounts()};
}

std::string trimmedText(const std::string& control) { return shell::trimmed(ui::Ctl(EDIT, control).text()); }

// The working values of an existing payer, from its list line.
Payer listedPayer(const ui::Ctl& grid, int line) {
    const auto value = [&](int column) { return grid.cell(line, column); };
    const auto first = [&](int column, std::size_t bytes) { return std::string(utf8::cutBytes(value(column), bytes)); };
    return {.naziv = value(2),
            .adresaUlica = value(3),
            .adresaBroj = value(4),
            .sediste = value(5),
            .maticenBroj = value(6),
            .danocenBroj = value(7),
            .kratenkaInstitucija = first(12, 3),
            .dvojazicenIspis = shell::INTTOBOOL(std::atoll(value(10).c_str())).value_or(false) ? "1" : "0",
            .vidNaTrezor = first(13, 3),
            .programa = first(14, 2),
            .vidNaSlog = first(15, 1),
            .opstiniId = value(16),
            .email = value(8),
            .trezorskaKancelarija = value(9)};
}

Payer typedPayer(const PayerEdit& state) {
    const int kind = ui::Ctl(EDIT, "CbIsplakjaciVidNaTrezor").value();
    return {.naziv = trimmedText("txtIsplakjaciNaziv"),
            .adresaUlica = trimmedText("txtIsplakjaciAdresaUlica"),
            .adresaBroj = trimmedText("txtIsplakjaciAdresaBroj"),
            .sediste = trimmedText("txtIsplakjaciSediste"),
            .maticenBroj = trimmedText("txtIsplakjaciMaticenBroj"),
            .danocenBroj = trimmedText("txtIsplakjaciDanocenBroj"),
            .kratenkaInstitucija = trimmedText("txtIsplakjaciKratenkaInstitucija"),
            .dvojazicenIspis = std::to_string(ui::Ctl(EDIT, "chkIsplakjaciDvojazicenIspis").value()),
            .vidNaTrezor = kind >= 1 ? KINDS[static_cast<std::size_t>(kind - 1)] : state.kind,
            .programa = trimmedText("txtIsplakjaciPrograma"),
            .vidNaSlog = trimmedText("txtIsplakjaciVidNaSlog"),
            .opstiniId = state.municipalities.idAt(ui::Ctl(EDIT, "cbIsplakjaciOpstini").value()),
            .email = trimmedText("txtIsplakjaciEMail"),
            .trezorskaKancelarija = trimmedText("txtIsplakjaciTrezorskaKancelarija")};
}

// The window closes and the list reloads also after a failed statement,
// whose message has been shown.
void ISPLAKJACISAVE(const std::shared_ptr<listkit::ListState>& list, const PayerEdit& state) {
    const Payer payer = typedPayer(state);
    if (const auto refusal = payerRefusal(shell::app().DB, payer, state.edit.MID)) {
        shell::refuse(EDIT, *refusal);
        return;
    }
    saveWithAccounts(shell::app().DB, payerAccounts(), payerSave(payer, state.edit.MID), state.edit.MID,
                     gridAccounts(accountPage()));
    ui::Win(EDIT).release();
    listkit::reload(list);
}

void addControls(const PayerEdit& state, const Payer& v, int kind) {
    using namespace vocab;
    // A box takes no more characters than its column, of the same name, stores.
    const std::string table = payerCreateStatements().at(1);  // after the municipalities
    const auto text = [&table](const std::string& name) {
        return ui::addTextBox(EDIT, "txtIsplakjaci" + name).maxLength(shell::columnWidth(table, name));
    };
    const auto masked = [](const std::string& name, const char* mask) {
        return ui::addMaskedBox(EDIT, "txtIsplakjaci" + name, mask);
    };
    ui::addTab(EDIT, TAB, {CVALUETABOPSTIPODATOCI, CVALUETABPODATOCIZATREZOR, CVALUETABZIROSMETKI})
        .at(20, 20, 700, 380);
    const TabPage general{.window = EDIT, .tab = TAB, .page = 1}, treasury{.window = EDIT, .tab = TAB, .page = 2};
    const Star required = Star::Required, none = Star::None;
    placeField(general, "lblIsplakjaciNaziv", CVALUELBLIME, required, 50, text("Naziv"), 250, CTOOLTIPIMEFIRMA)
        .text(v.naziv);
    placeField(general, "lblIsplakjaciAdresaUlica", CVALUELBLADRESAULICA, none, 80, text("AdresaUlica"), 250,
               CTOOLTIPADRESAULICA)
        .text(v.adresaUlica);
    placeField(general, "lblIsplakjaciAdresaBroj", CVALUELBLADRESABROJ, none, 110, text("AdresaBroj"), 70,
               CTOOLTIPADRESABROJ)
        .text(v.adresaBroj);
    placeField(general, "lblIsplakjaciSediste", CVALUELBLSEDISTE, required, 140, text("Sediste"), 250,
               CTOOLTIPSEDISTE)
        .text(v.sediste);
    placeField(general, "lblIsplakjaciOpstiniID", CVALUELBLOPSTINA, none, 170,
               ui::addComboBox(EDIT, "cbIsplakjaciOpstini"), 250, CTOOLTIPOPSTINA)
        .items(state.municipalities.items, state.municipalities.initial);
    placeField(general, "lblIsplakjaciMaticenBroj", CVALUELBLEBMS, none, 200, masked("MaticenBroj", "9999999"), 130,
               CTOOLTIPEBMS)
        .text(v.maticenBroj);
    placeField(general, "lblIsplakjaciDanocenBroj", CVALUELBLDANOCENBROJ, required, 230,
               masked("DanocenBroj", "9999999999999"), 150, CTOOLTIPEDB)
        .text(v.danocenBroj);
    placeField(general, "lblIsplakjaciEMail", CVALUELBLEMAIL, required, 260, text("EMail"), 250, CTOOLTIPEMAIL)
        .text(v.email);
    placeField(general, "lblIsplakjaciTrezorskaKancelarija", CVALUELBLTREZORSKAKANCELARIJA, none, 290,
               masked("TrezorskaKancelarija", "!!!"), 150, CTOOLTIPTREZORSKAKANCELARIJA)
        .text(v.trezorskaKancelarija);
    ui::addCheckBox(EDIT, "chkIsplakjaciDvojazicenIspis")
        .at(230, 320, 300, 20)
        .text(CCAPTIONDVOJAZICEN)
        .tooltip(CTOOLTIPDVOJAZICNO)
        .value(v.dvojazicenIspis == "1")
        .onPage(TAB, 1);

    placeField(treasury, "lblIsplakjaciKratenkaInstitucija", CVALUELBLKRATENKANAINSTITUCIJATA, required, 50,
               masked("KratenkaInstitucija", "!!!"), 120, CTOOLTIPKRATENKANAINSTITUCIJATA)
        .text(v.kratenkaInstitucija);
    placeField(treasury, "lblIsplakjaciVidNaTrezor", CVALUELBLTREZOR, none, 90,
               ui::addComboBox(EDIT, "CbIsplakjaciVidNaTrezor"), 80, CTOOLTIPTREZOR)
        .items(KINDS, kind);
    placeField(treasury, "lblIsplakjaciPrograma", CVALUELBLPROGRAMA, required, 130, masked("Programa", "!!"), 120,
               CTOOLTIPPROGRAMA)
        .text(v.programa);
    placeField(treasury, "lblIsplakjaciVidNaSlog", CVALUELBLVIDNASLOG, none, 170, masked("VidNaSlog", "9"), 30,
               CTOOLTIPVIDNASLOG)
        .text(v.vidNaSlog);

    const std::string stored = accountsQuery(payerAccounts(), state.edit.MID);
    addAccountPage(accountPage(), state.edit.isNew ? ui::TextTable(2) : shell::SQL(shell::app().DB, stored));
}

// The treasury kind's combo position: an empty kind is "FZM", one that is
// neither leaves the combo without a choice.
int kindPosition(const std::string& kind) {
    if (kind.empty()) return 1;
    for (std::size_t i = 0; i < KINDS.size(); ++i)
        if (KINDS[i] == kind) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

void ISPLAKJACI() {
    std::vector<int> left(16, 0);
    listkit::openRecordList({.window = LIST,
                             .grid = GRID,
                             .title = vocab::CTITISPLAKJACI,
                             .width = 1000,
                             .height = 600,
                             .captions = layouts::AHEADERSISPLAKJACI,
                             .widths = {0, 140, 60, 20, 70, 80, 120, 150, 80, 30, 80, 40, 50, 30, 20, 0},
                             .justify = left,
                             .createStatements = payerCreateStatements(),
                             .change = IsplakjaciChange,
                             .remove = IsplakjaciDelete,
                             .query = payerList,
                             // Once hidden it stays hidden while the window is open.
                             .layoutMore =
                                 [](const listkit::ListState& s) {
                                     if (s.gridCtl().itemCount() > 0) ui::Ctl(s.window, "btnDodaj").visible(false);
                                 }});
}

void IsplakjaciChange(const std::shared_ptr<listkit::ListState>& list, bool isNew) {
    auto edit = beginEdit(*list, isNew);
    if (!edit) return;
    auto state = std::make_shared<PayerEdit>();
    state->edit = *edit;
    const ui::Ctl grid = list->gridCtl();
    Payer working{.dvojazicenIspis = "1", .vidNaTrezor = "FZM", .opstiniId = "0"};
    if (!isNew) working = listedPayer(grid, state->edit.LINENO);
    auto municipalities = lookup(MUNICIPALITYROWS, vocab::CPORPRAZNAOPSTINI, working.opstiniId, isNew);
    if (!municipalities) return;
    state->municipalities = std::move(*municipalities);
    state->kind = working.vidNaTrezor;
    openEditWindow({.name = EDIT,
                    .width = 800,
                    .height = 500,
                    .isNew = isNew,
                    .controls = [&](const std::string&) { addControls(*state, working, kindPosition(state->kind)); },
                    .save = [list, state] { ISPLAKJACISAVE(list, *state); }});
}

void IsplakjaciDelete(const std::shared_ptr<listkit::ListState>& list) {
    listkit::deleteRecords(list, "Isplakjaci",
                           {{"IsplakjaciZiroSmetki", "IsplakjaciID", vocab::CPORNEBRISEISPLAKJACZIRO},
                            {"Nalozi", "IsplakjaciID", vocab::CPORNEBRISEISPLAKJACNALOZI}});
}

}  // namespace registers
