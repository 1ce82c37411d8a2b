// The sub-revenues Potprihodi: the list window, with the personal-tax flag as
// ticks, and the edit window with the account-code and revenue-type combos,
// the deduction percentage and the personal-tax payment account in two parts.
#include <cmath>
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
#include "shell/number_boxes.h"
#include "shell/refusal.h"
#include "shell/udfs.h"
#include "shell/tax_account_fields.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

using listkit::ListState;

const std::string LIST = "frmPotprihodi";
const std::string GRID = "grdPotprihodi";
const std::string EDIT = "frmPotprihodiChange";

struct Lookups {
    Lookup konta, tipoviPrihodi;
};

std::string textOf(const std::string& control) { return ui::Ctl(EDIT, control).text(); }

// The values belong to this save alone: the treasury parameters' own
// personal-tax account parts stay as they are.
void POTPRIHODISAVE(const std::shared_ptr<ListState>& list, const EditState& edit, const Lookups& lookups) {
    if (!shell::numberBoxReady(EDIT, "txtPotprihodiProcentOdbitoci", vocab::CVALUELBLPROCENTODBITOCI)) return;
    const SubRevenue sub{
        .sifra = textOf("txtPotprihodiSifra"),
        .opis = textOf("txtPotprihodiOpis"),
        .tipoviPrihodiId = lookups.tipoviPrihodi.idAt(ui::Ctl(EDIT, "cbPotprihodiTipoviPrihodi").value()),
        .kontaId = lookups.konta.idAt(ui::Ctl(EDIT, "cbPotprihodiKonta").value()),
        .programa = textOf("txtPotprihodiProgramaPrimac"),
        .uplatna1 = textOf("txtPotprihodiUplatnaSmetkaZaPD1"),
        .uplatna2 = textOf("txtPotprihodiUplatnaSmetkaZaPD2"),
        .procentOdbitoci = static_cast<int>(std::lround(ui::Ctl(EDIT, "txtPotprihodiProcentOdbitoci").number())),
        .sePlakjaPD = ui::Ctl(EDIT, "cbPotprihodiSePlakjaPD").value() == 1,
        .status = ui::Ctl(EDIT, "rgPotprihodiStatus").value()};
    if (const auto refusal = subRevenueRefusal(sub, "txtPotprihodi")) {
        shell::refuse(EDIT, *refusal, shell::RefusalBox::Plain);
        return;
    }
    writeAndClose(EDIT, edit.isNew ? subRevenueInsert(sub) : subRevenueUpdate(sub, edit.MID),
                  [list] { listkit::reload(list); });
}

void addControls(const std::string& w, const SubRevenue& sub, const Lookups& lookups) {
    using namespace vocab;
    ui::addLabel(w, "lblPotprihodiSifra").at(100, 20, 180, 20).text(CVALUELBLSIFRA);
    const std::string table = subRevenueCreate();
    ui::addTextBox(w, "txtPotprihodiSifra")
        .at(280, 20, 50, 20)
        .maxLength(shell::columnWidth(table, "Sifra"))
        .text(sub.sifra)
        .tooltip(CTOOLTIPSIFRAPOTPRIHODI);
    ui::addLabel(w, "lblPotprihodiOpis").at(100, 50, 180, 20).text(CVALUELBLOPIS);
    ui::addEditBox(w, "txtPotprihodiOpis")
        .at(280, 50, 350, 50)
        .maxLength(shell::columnWidth(table, "Opis"))
        .text(sub.opis)
        .tooltip(CTOOLTIPOPISPOTPRIHODI);
    ui::addLabel(w, "lblPotprihodiTipoviPrihodi").at(100, 110, 190, 20).text(CVALUELBLTIPOVIPRIHODI);
    ui::addComboBox(w, "cbPotprihodiTipoviPrihodi")
        .at(280, 110, 600, 20)
        .items(lookups.tipoviPrihodi.items, lookups.tipoviPrihodi.initial)
        .tooltip(CTOOLTIPTIPOVIPRIHODI);
    ui::addLabel(w, "lblPotprihodiProcentOdbitoci").at(100, 140, 190, 20).text(CVALUELBLPROCENTODBITOCI);
    ui::addNumberBox(w, "txtPotprihodiProcentOdbitoci", "999")
        .at(280, 140, 50, 20)
        .number(sub.procentOdbitoci)
        .tooltip(CTOOLTIPPROCENTODBITOCI);
    ui::addCheckBox(w, "cbPotprihodiSePlakjaPD")
        .at(280, 170, 250, 20)
        .text(CCAPTIONSEPLAKJAPD)
        .value(sub.sePlakjaPD ? 1 : 0)
        .tooltip(CTOOLTIPSEPLAKJAPD);
    ui::addLabel(w, "lblSimpleFormsStatus").at(100, 210, 180, 20).text(CVALUELBLSTATUS);
    ui::addRadioGroup(w, "rgPotprihodiStatus", {COPTAKTIVEN, COPTNEAKTIVEN})
        .at(280, 210, 200, 50)
        .value(sub.status)
        .tooltip(CTOOLTIPSTATUS);
    ui::addLabel(w, "lblPotprihodiKonta").at(100, 270, 190, 20).text(CVALUELBLPRIMACKONTOPROGRAMA);
    ui::addComboBox(w, "cbPotprihodiKonta")
        .at(280, 270, 200, 20)
        .items(lookups.konta.items, lookups.konta.initial)
        .tooltip(CTOOLTIPPRIHODNOKONTO);
    ui::addTextBox(w, "txtPotprihodiProgramaPrimac")
        .at(490, 270, 30, 20)
        .maxLength(shell::columnWidth(table, "ProgramaPrimac"))
        .text(sub.programa)
        .tooltip(CTOOLTIPPRIHODNAPROGRAMA);
    shell::addTaxAccountFields(w, "Potprihodi", subRevenueCreate(), {100, 280, 310, 350}, sub.uplatna1, sub.uplatna2);
}

void PotprihodiChange(const std::shared_ptr<ListState>& list, bool isNew) {
    const auto edit = beginEdit(*list, isNew);
    if (!edit) return;
    SubRevenue sub;
    if (!isNew) {
        const ui::Ctl grid = list->gridCtl();
        const auto cell = [&](int column) { return grid.cell(edit->LINENO, column); };
        sub = {.sifra = cell(3),
               .opis = cell(2),
               .tipoviPrihodiId = cell(15),
               .kontaId = cell(14),
               .programa = cell(11),
               .uplatna1 = cell(12),
               .uplatna2 = cell(13),
               .procentOdbitoci = numberIn(cell(8)),
               .sePlakjaPD = shell::CHKCHTOBOOL(cell(9)),
               .status = numberIn(cell(10))};
    }
    auto konta = lookup(accountLookup, vocab::CPORPRAZNAKONTA, sub.kontaId, isNew);
    if (!konta) return;
    auto tipoviPrihodi = lookup(revenueTypeLookup, vocab::CPORPRAZNATIPOVIPRIHODI, sub.tipoviPrihodiId, isNew);
    if (!tipoviPrihodi) return;
    const Lookups lookups{std::move(*konta), std::move(*tipoviPrihodi)};
    openEditWindow({.name = EDIT,
                    .width = 900,
                    .height = 460,
                    .isNew = isNew,
                    .controls = [&](const std::string& w) { addControls(w, sub, lookups); },
                    .save = [list, edit = *edit, lookups] { POTPRIHODISAVE(list, edit, lookups); }});
}

void PotprihodiDelete(const std::shared_ptr<ListState>& list) {
    listkit::deleteRecords(list, "Potprihodi", {{"Transakcii", "PotprihodiID", vocab::CPORNEBRISEPOTPRIHODI}});
}

}  // namespace

// The list joins the revenue types and the account codes, so their tables are
// created too: on a database where they were never opened, the list loads and
// the edit window reports the empty table.
void POTPRIHODI() {
    listkit::openRecordList({.window = LIST,
                             .grid = GRID,
                             .title = vocab::CTITPOTPRIHODI,
                             .width = 900,
                             .height = 600,
                             .captions = layouts::AHEADERSPOTPRIHODI,
                             .widths = {30, 300, 55, 300, 55, 300, 55, 50, 50, 50, 50, 200, 200, 0, 0},
                             .justify = {0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 0, 0, 0, 0, 0},
                             .createStatements = {codeTableCreate("Konta"), revenueTypeCreate(), subRevenueCreate()},
                             .change = PotprihodiChange,
                             .remove = PotprihodiDelete,
                             .query = subRevenueLoad,
                             .shape = showSubRevenueTicks});
}

}  // namespace registers
