// The code tables Konta, Opstini, TipoviKalkulacii and TipoviPlacanja: one list
// window for whichever the menu chose, and the edit window of a row. While one
// code table is open the window exists, so choosing another does nothing.
#include <memory>

#include "listkit/record_list.h"
#include "platform/ui/ui.h"
#include "registers/code_table_sql.h"
#include "registers/edit_window.h"
#include "registers/register_cells.h"
#include "registers/register_checks.h"
#include "shell/column_width.h"
#include "shell/entries.h"
#include "shell/layouts.h"
#include "shell/refusal.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

using listkit::ListState;

const std::string LIST = "frmSimpleForms";
const std::string GRID = "grdSimpleForms";
const std::string EDIT = "frmSimpleFormsChange";

// The uniqueness of the code is the database's: a second row with the same
// code is refused there, and the reloaded list shows the table unchanged.
void SIMPLEFORMSSAVE(const std::shared_ptr<ListState>& list, const EditState& edit, const std::string& table) {
    const CodeRow row{ui::Ctl(EDIT, "txtSimpleFormsSifra").text(), ui::Ctl(EDIT, "txtSimpleFormsOpis").text(),
                      ui::Ctl(EDIT, "rgSimpleFormsStatus").value()};
    if (const auto refusal = codeRowRefusal(row, "txtSimpleForms")) {
        shell::refuse(EDIT, *refusal, shell::RefusalBox::Plain);
        return;
    }
    writeAndClose(EDIT, edit.isNew ? codeTableInsert(table, row) : codeTableUpdate(table, row, edit.MID),
                  [list] { listkit::reload(list); });
}

void SimpleFormsChange(const std::shared_ptr<ListState>& list, bool isNew, const std::string& table) {
    using namespace vocab;
    const auto edit = beginEdit(*list, isNew);
    if (!edit) return;
    CodeRow row;
    if (!isNew) {
        const ui::Ctl grid = list->gridCtl();
        row = {grid.cell(edit->LINENO, 2), grid.cell(edit->LINENO, 3), numberIn(grid.cell(edit->LINENO, 4))};
    }
    openEditWindow({.name = EDIT,
                    .width = 600,
                    .height = 250,
                    .isNew = isNew,
                    .controls =
                        [&row, &table](const std::string& w) {
                            ui::addLabel(w, "lblSimpleFormsSifra").at(30, 20, 150, 20).text(CVALUELBLSIFRA);
                            requiredMark(w, "lblSimpleFormsSifraObavezno", 180, 20);
                            ui::addTextBox(w, "txtSimpleFormsSifra")
                                .at(200, 20, 150, 20)
                                .maxLength(shell::columnWidth(codeTableCreate(table), "Sifra"))
                                .text(row.sifra)
                                .tooltip(CTOOLTIPSIFRANAZAPISOT);
                            ui::addLabel(w, "lblSimpleFormsOpis").at(30, 50, 100, 20).text(CVALUELBLOPIS);
                            requiredMark(w, "lblSimpleFormsOpisObavezno", 180, 50);
                            ui::addTextBox(w, "txtSimpleFormsOpis")
                                .at(200, 50, 300, 20)
                                .maxLength(shell::columnWidth(codeTableCreate(table), "Opis"))
                                .text(row.opis)
                                .tooltip(CTOOLTIPOPISNAZAPISOT);
                            ui::addLabel(w, "lblSimpleFormsStatus").at(30, 90, 180, 20).text(CVALUELBLSTATUS);
                            ui::addRadioGroup(w, "rgSimpleFormsStatus", {COPTAKTIVEN, COPTNEAKTIVEN})
                                .at(200, 90, 200, 50)
                                .value(row.status)
                                .tooltip(CTOOLTIPSTATUS);
                        },
                    .save = [list, edit = *edit, table] { SIMPLEFORMSSAVE(list, edit, table); }});
}

void SimpleFormsDelete(const std::shared_ptr<ListState>& list, const std::string& table,
                       const std::vector<listkit::ReferenceCheck>& references) {
    listkit::deleteRecords(list, table, references);
}

}  // namespace

void SIMPLEFORMS(const std::string& table, const std::string& title, const std::string& refTable,
                 const std::string& refColumn, const std::string& refMessage) {
    const auto references = codeTableReferences(table, refTable, refColumn, refMessage);
    const auto change = [table](const std::shared_ptr<ListState>& list, bool isNew) {
        SimpleFormsChange(list, isNew, table);
    };
    const auto remove = [table, references](const std::shared_ptr<ListState>& list) {
        SimpleFormsDelete(list, table, references);
    };
    listkit::openRecordList({.window = LIST,
                             .grid = GRID,
                             .title = title,
                             .width = 700,
                             .height = 400,
                             .captions = layouts::AHEADERSSIMPLEFORMS,
                             .widths = {0, 150, 400, 50},
                             .justify = {0, 0, 0, 0},
                             .createStatements = {codeTableCreate(table)},
                             .buttonsFromBottom = 95,
                             .buttonColumns = {30, 150, 270},
                             .change = change,
                             .remove = remove,
                             .query = [table] { return codeTableLoad(table); }});
}

}  // namespace registers
