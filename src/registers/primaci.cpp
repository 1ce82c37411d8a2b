// The recipient register: natural persons and legal entities paid by orders
// and payment items. Values are stored as typed, blanks included.
#include "registers/primaci.h"

#include "listkit/record_list.h"
#include "platform/ui/ui.h"
#include "registers/account_grid.h"
#include "registers/edit_window.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
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

const std::string LIST = "frmPrimaci";
const std::string GRID = "grdPrimaci";
const std::string EDIT = "frmPrimaciChange";
const std::string TAB = "tabPrimaci";

// The edit window's state, from its opening to its closing.
struct RecipientEdit {
    EditState edit;
    Lookup municipalities;
};

AccountPage accountPage() {
    return {.window = EDIT,
            .tab = TAB,
            .page = 2,
            .name = "Primaci",
            .tooltip = vocab::CTOOLTIPZIROPRIMAC,
            .keepBlanks = true,
            .tables = recipientAccounts()};
}

std::string typed(const std::string& control) { return ui::Ctl(EDIT, control).text(); }

// The working values of an existing recipient, from its list line.
Recipient listedRecipient(const ui::Ctl& grid, int line) {
    const auto value = [&](int column) { return grid.cell(line, column); };
    return {.ime = value(2),
            .prezime = value(3),
            .adresa = value(4),
            .adresaBroj = value(5),
            .mesto = value(6),
            .opstiniId = value(12),
            .maticenBroj = value(8),
            .embg = value(9),
            .email = value(10),
            .ddvObvrznik = shell::CHKCHTOBOOL(value(11)) ? "1" : "0"};
}

Recipient typedRecipient(const RecipientEdit& state) {
    return {.ime = typed("txtPrimaciIme"),
            .prezime = typed("txtPrimaciPrezime"),
            .adresa = typed("txtPrimaciAdresaUlica"),
            .adresaBroj = typed("txtPrimaciAdresaBroj"),
            .mesto = typed("txtPrimaciSediste"),
            .opstiniId = state.municipalities.idAt(ui::Ctl(EDIT, "cbPrimaciOpstini").value()),
            .maticenBroj = typed("txtPrimaciMaticenBroj"),
            .embg = typed("txtPrimaciDanocenBroj"),
            .email = typed("txtPrimaciEMail"),
            .ddvObvrznik = std::to_string(ui::Ctl(EDIT, "cbPrimaciDDVObvrznik").value())};
}

// The window closes and the list reloads also after a failed statement,
// whose message has been shown.
void PRIMACISAVE(const std::shared_ptr<listkit::ListState>& list, const RecipientEdit& state) {
    const Recipient recipient = typedRecipient(state);
    if (const auto refusal = recipientRefusal(shell::app().DB, recipient, state.edit.MID)) {
        shell::refuse(EDIT, *refusal);
        return;
    }
    saveWithAccounts(shell::app().DB, recipientAccounts(), recipientSave(recipient, state.edit.MID), state.edit.MID,
                     gridAccounts(accountPage()));
    ui::Win(EDIT).release();
    listkit::reload(list);
}

void addControls(const RecipientEdit& state, const Recipient& v) {
    using namespace vocab;
    // A box takes no more characters than the column it is stored in.
    const std::string table = recipientCreateStatements().at(1);  // after the municipalities
    const auto text = [&table](const std::string& name, std::string_view column = "") {
        return ui::addTextBox(EDIT, "txtPrimaci" + name)
            .maxLength(shell::columnWidth(table, column.empty() ? std::string_view(name) : column));
    };
    ui::addTab(EDIT, TAB, {CVALUETABOPSTIPODATOCI, CVALUETABZIROSMETKI}).at(20, 20, 700, 380);
    const TabPage general{.window = EDIT, .tab = TAB, .page = 1, .starCol = 260, .fieldCol = 280};
    const Star required = Star::Required, persons = Star::NaturalPersons, none = Star::None;
    placeField(general, "lblPrimaciIme", CVALUELBLIME, required, 50, text("Ime"), 250, CTOOLTIPIME, 220).text(v.ime);
    placeField(general, "lblPrimaciPrezime", CVALUELBLPREZIME, persons, 80, text("Prezime"), 250, CTOOLTIPPREZIME, 170)
        .text(v.prezime);
    placeField(general, "lblPrimaciAdresaUlica", CVALUELBLADRESAULICA, none, 110, text("AdresaUlica", "Adresa"), 250,
               CTOOLTIPADRESAULICA, 220)
        .text(v.adresa);
    placeField(general, "lblPrimaciAdresaBroj", CVALUELBLADRESABROJ, none, 140, text("AdresaBroj"), 70,
               CTOOLTIPADRESABROJ, 220)
        .text(v.adresaBroj);
    placeField(general, "lblPrimaciSediste", CVALUELBLSEDISTE, required, 170, text("Sediste", "Mesto"), 250, CTOOLTIPSEDISTE,
               220)
        .text(v.mesto);
    placeField(general, "lblPrimaciOpstiniID", CVALUELBLOPSTINA, none, 200, ui::addComboBox(EDIT, "cbPrimaciOpstini"),
               250, CTOOLTIPOPSTINA, 220)
        .items(state.municipalities.items, state.municipalities.initial);
    placeField(general, "lblPrimaciMaticenBroj", CVALUELBLEBMS, none, 230, text("MaticenBroj"), 130, CTOOLTIPEBMS, 240)
        .text(v.maticenBroj);
    placeField(general, "lblPrimaciDanocenBroj", CVALUELBLDANOCENBROJ, persons, 260,
               ui::addMaskedBox(EDIT, "txtPrimaciDanocenBroj", "9999999999999"), 150, CTOOLTIPEDB, 220)
        .text(v.embg);
    ui::addLabel(EDIT, "lblPrimaciDanocenBroj1").at(30, 275, 220, 20).text(CVALUELBLOBAVEZNOZAFL).onPage(TAB, 1);
    placeField(general, "lblPrimaciEMail", CVALUELBLEMAIL, none, 300, text("EMail"), 250, CTOOLTIPEMAIL, 220)
        .text(v.email);
    ui::addCheckBox(EDIT, "cbPrimaciDDVObvrznik")
        .at(280, 330, 300, 20)
        .text(CCAPTIONDDVOBVRZNIK)
        .tooltip(CTOOLTIPDDVOBVRZNIK)
        .value(v.ddvObvrznik == "1")
        .onPage(TAB, 1);

    const std::string stored = accountsQuery(recipientAccounts(), state.edit.MID);
    addAccountPage(accountPage(), state.edit.isNew ? ui::TextTable(2) : shell::SQL(shell::app().DB, stored));
}

}  // namespace

void PRIMACI() {
    listkit::openRecordList({.window = LIST,
                             .grid = GRID,
                             .title = vocab::CTITPRIMACI,
                             .width = 1000,
                             .height = 600,
                             .captions = layouts::AHEADERSPRIMACI,
                             .widths = {0, 200, 150, 180, 60, 130, 130, 70, 140, 200, 40, 0},
                             .justify = std::vector<int>(12, 0),
                             .createStatements = recipientCreateStatements(),
                             .change = PrimaciChange,
                             .remove = PrimaciDelete,
                             .query = recipientList,
                             .shape = showRecipientTicks});
}

void PrimaciChange(const std::shared_ptr<listkit::ListState>& list, bool isNew) {
    auto edit = beginEdit(*list, isNew);
    if (!edit) return;
    auto state = std::make_shared<RecipientEdit>();
    state->edit = *edit;
    const ui::Ctl grid = list->gridCtl();
    Recipient working{.opstiniId = "0", .ddvObvrznik = "0"};
    if (!isNew) working = listedRecipient(grid, state->edit.LINENO);
    auto municipalities = lookup(MUNICIPALITYROWS, vocab::CPORPRAZNAOPSTINI, working.opstiniId, isNew);
    if (!municipalities) return;
    state->municipalities = std::move(*municipalities);
    openEditWindow({.name = EDIT,
                    .width = 800,
                    .height = 500,
                    .isNew = isNew,
                    .controls = [&](const std::string&) { addControls(*state, working); },
                    .save = [list, state] { PRIMACISAVE(list, *state); }});
}

void PrimaciDelete(const std::shared_ptr<listkit::ListState>& list) {
    listkit::deleteRecords(list, "Primaci",
                           {{"PrimaciZiroSmetki", "PrimaciID", vocab::CPORNEBRISEPRIMACZIRO},
                            {"Nalozi", "PrimaciID", vocab::CPORNEBRISEPRIMAC}});
}

}  // namespace registers
