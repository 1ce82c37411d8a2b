// The revenue types TipoviPrihodi: the list window and the edit window with
// the account-code combo and the personal-tax payment account in two parts,
// which the payer's municipality code completes between them ("XXX").
#include <memory>

#include "listkit/record_list.h"
#include "platform/ui/ui.h"
#include "registers/code_table_sql.h"
#include "registers/edit_window.h"
#include "registers/register_cells.h"
#include "registers/register_checks.h"
#include "registers/revenue_sql.h"
#include "shell/column_width.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/refusal.h"
#include "shell/tax_account_fields.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

using listkit::ListState;

const std::string LIST = "frmTipoviPrihodi";
const std::string GRID = "grdTipoviPrihodi";
const std::string EDIT = "frmTipoviPrihodiChange";

std::string textOf(const std::string& control) { return ui::Ctl(EDIT, control).text(); }

// The progressive-rate flag is not the window's: the UPDATE leaves it as it is.
void TIPOVIPRIHODISAVE(const std::shared_ptr<ListState>& list, const EditState& edit, const Lookup& konta) {
    const RevenueType type{.sifra = textOf("txtTipoviPrihodiSifra"),
                           .opis = textOf("txtTipoviPrihodiOpis"),
                           .uplatna1 = textOf("txtTipoviPrihodiUplatnaSmetkaZaPD1"),
                           .uplatna2 = textOf("txtTipoviPrihodiUplatnaSmetkaZaPD2"),
                           .kontaId = konta.idAt(ui::Ctl(EDIT, "cbTipoviPrihodiKonta").value()),
                           .programa = textOf("txtTipoviPrihodiProgramaPrimac"),
                           .status = ui::Ctl(EDIT, "rgTipoviPrihodiStatus").value()};
    if (const auto refusal = revenueTypeRefusal(type, "txtTipoviPrihodi")) {
        shell::refuse(EDIT, *refusal, shell::RefusalBox::Plain);
        return;
    }
    writeAndClose(EDIT, edit.isNew ? revenueTypeInsert(type) : revenueTypeUpdate(type, edit.MID),
                  [list] { listkit::reload(list); });
}

void addControls(const std::string& w, const RevenueType& type, const Lookup& konta) {
    using namespace vocab;
    ui::addLabel(w, "lblTipoviPrihodiSifra").at(100, 20, 180, 20).text(CVALUELBLSIFRA);
    const std::string table = revenueTypeCreate();
    ui::addTextBox(w, "txtTipoviPrihodiSifra")
        .at(280, 20, 50, 20)
        .maxLength(shell::columnWidth(table, "Sifra"))
        .text(type.sifra)
        .tooltip(CTOOLTIPSIFRATIPOVIPRIHODI);
    ui::addLabel(w, "lblTipoviPrihodiOpis").at(100, 50, 180, 20).text(CVALUELBLOPIS);
    ui::addEditBox(w, "txtTipoviPrihodiOpis")
        .at(280, 50, 350, 50)
        .maxLength(shell::columnWidth(table, "Opis"))
        .text(type.opis)
        .tooltip(CTOOLTIPOPISTIPOVIPRIHODI);
    ui::addLabel(w, "lblTipoviPrihodiKonta").at(100, 110, 190, 20).text(CVALUELBLPRIMACKONTOPROGRAMA);
    ui::addComboBox(w, "cbTipoviPrihodiKonta")
        .at(280, 110, 200, 20)
        .items(konta.items, konta.initial)
        .tooltip(CTOOLTIPPRIHODNOKONTO);
    ui::addTextBox(w, "txtTipoviPrihodiProgramaPrimac")
        .at(490, 110, 30, 20)
        .maxLength(shell::columnWidth(table, "ProgramaPrimac"))
        .text(type.programa)
        .tooltip(CTOOLTIPPRIHODNAPROGRAMA);
    shell::addTaxAccountFields(w, "TipoviPrihodi", revenueTypeCreate(), {100, 280, 150, 350}, type.uplatna1, type.uplatna2);
    ui::addLabel(w, "lblSimpleFormsStatus").at(100, 210, 180, 20).text(CVALUELBLSTATUS);
    ui::addRadioGroup(w, "rgTipoviPrihodiStatus", {COPTAKTIVEN, COPTNEAKTIVEN})
        .at(280, 210, 200, 50)
        .value(type.status)
        .tooltip(CTOOLTIPSTATUS);
}

void TipoviPrihodiChange(const std::shared_ptr<ListState>& list, bool isNew) {
    const auto edit = beginEdit(*list, isNew);
    if (!edit) return;
    RevenueType type;
    if (!isNew) {
        const ui::Ctl grid = list->gridCtl();
        const auto cell = [&](int column) { return grid.cell(edit->LINENO, column); };
        type = {.sifra = cell(3),
                .opis = cell(2),
                .uplatna1 = cell(7),
                .uplatna2 = cell(8),
                .kontaId = cell(10),
                .programa = cell(6),
                .status = numberIn(cell(9))};
    }
    const auto konta = lookup(accountLookup, vocab::CPORPRAZNAKONTA, type.kontaId, isNew);
    if (!konta) return;
    openEditWindow({.name = EDIT,
                    .width = 900,
                    .height = 340,
                    .isNew = isNew,
                    .controls = [&](const std::string& w) { addControls(w, type, *konta); },
                    .save = [list, edit = *edit, konta = *konta] { TIPOVIPRIHODISAVE(list, edit, konta); }});
}

void TipoviPrihodiDelete(const std::shared_ptr<ListState>& list) {
    listkit::deleteRecords(list, "TipoviPrihodi",
                           {{"Potprihodi", "TipoviPrihodiID", vocab::CPORNEBRISETIPOVIPRIHODI}});
}

}  // namespace

// The list and the combo read the account codes, so their table is created
// too: on a database where the account codes were never opened, the list
// loads and the edit window reports an empty account-code table.
void TIPOVIPRIHODI() {
    listkit::openRecordList({.window = LIST,
                             .grid = GRID,
                             .title = vocab::CTITTIPOVIPRIHODI,
                             .width = 940,
                             .height = 600,
                             .captions = layouts::AHEADERSTIPOVIPRIHODI,
                             .widths = {30, 400, 55, 150, 55, 30, 90, 90, 50, 0},
                             .justify = {0, 0, 0, 0, 0, 0, 1, 2, 2, 0},
                             .createStatements = {codeTableCreate("Konta"), revenueTypeCreate()},
                             .change = TipoviPrihodiChange,
                             .remove = TipoviPrihodiDelete,
                             .query = revenueTypeLoad});
}

}  // namespace registers
