#include "registers/edit_window.h"

#include "listkit/edit_checks.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/dialog_buttons.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace registers {

std::optional<EditState> beginEdit(const listkit::ListState& list, bool isNew) {
    const ui::Ctl grid = list.gridCtl();
    const int lines = grid.itemCount();
    const std::vector<int> selection = grid.selection();
    if (!listkit::PROVERIGRID(isNew, lines, selection)) return std::nullopt;
    EditState edit{.isNew = isNew};
    edit.LINENO = isNew ? lines + 1 : selection.front();
    if (!isNew) edit.MID = grid.cell(edit.LINENO, 1);
    return edit;
}

void openEditWindow(const EditWindowSpec& definition) {
    ui::defineWindow({.name = definition.name,
                      .kind = ui::WindowKind::Modal,
                      .title = definition.isNew ? vocab::CTITDODAJNOVZAPIS : vocab::CTITEDITIRAJZAPIS,
                      .width = definition.width,
                      .height = definition.height,
                      .closeBox = false,
                      .sizable = false,
                      .maximizeBox = false,
                      .minimizeBox = false});
    definition.controls(definition.name);
    const int row = definition.height - definition.buttonsFromBottom;
    shell::addConfirmButton(definition.name, definition.confirmCol, row, definition.save);
    shell::addCancelButton(definition.name, definition.width - definition.cancelFromRight, row);
    ui::Win(definition.name).center().activate();
}

void requiredMark(const std::string& window, const std::string& name, int col, int row) {
    ui::addLabel(window, name).at(col, row, 15, 20).text("*").color({255, 0, 0});
}

void writeAndClose(const std::string& window, const std::string& statement, const std::function<void()>& reload) {
    shell::MISCSQL1(shell::app().DB, statement);
    ui::Win(window).release();
    if (reload) reload();
}

std::string Lookup::idAt(int position) const { return shell::comboId(rows, position); }

std::optional<Lookup> lookup(std::string_view query, std::string_view emptyMessage, std::string_view id, bool first) {
    Lookup l;
    shell::QueryResult read = shell::query(shell::app().DB, query);
    if (read.busy) return std::nullopt;  // a locked file is no empty table: said as it is
    l.rows = std::move(read.rows);
    if (l.rows.empty()) {
        ui::msgInfo(emptyMessage, vocab::CPORGRESKA);
        return std::nullopt;
    }
    l.initial = shell::NAPUNINIZIZAKOMBO(l.items, l.rows, id, first);
    return l;
}

}  // namespace registers
