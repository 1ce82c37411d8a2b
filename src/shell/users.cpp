// The user list and its edit window. There are no roles: every user may do
// everything, including deleting the last user.
#include "shell/refusal.h"
#include "shell/users.h"

#include <memory>

#include "listkit/edit_checks.h"
#include "listkit/record_list.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/column_width.h"
#include "shell/dialog_buttons.h"
#include "shell/entries.h"
#include "shell/korisnici_sql.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

const std::string LIST = "frmKorisnici";
const std::string GRID = "grdKorisnici";
const std::string EDIT = "frmKorisniciChange";

using listkit::EditState;

// The window closes and the list reloads also after a failed statement,
// whose message the database layer has shown: the list then shows the users
// as they are stored.
void KORISNICISAVE(const std::shared_ptr<listkit::ListState>& list, const EditState& edit) {
    const User user{ui::Ctl(EDIT, "txtKorisniciUserName").text(), ui::Ctl(EDIT, "txtKorisniciPassword").text(),
                    ui::Ctl(EDIT, "txtKorisniciOpis").text()};
    if (isBlank(user.name)) {
        refuse(EDIT, {vocab::CPORPRAZNOKORISNICKOIME, "txtKorisniciUserName"}, RefusalBox::Plain);
        return;
    }
    if (isBlank(user.password)) {
        refuse(EDIT, {vocab::CPORPRAZNALOZINKA, "txtKorisniciPassword"}, RefusalBox::Plain);
        return;
    }
    MISCSQL1(app().DB, edit.isNew ? userInsert(user) : userUpdate(user, edit.MID));
    ui::Win(EDIT).release();
    listkit::reload(list);
}

void addField(const std::string& name, const std::string& label, const std::string& tooltip, int row, int width,
              const std::string& value) {
    ui::addLabel(EDIT, "lblKorisnici" + name).at(30, row, 200, 20).text(label);
    ui::addTextBox(EDIT, "txtKorisnici" + name)
        .at(330, row, width, 20)
        .maxLength(columnWidth(KORISNICICREATE, name))
        .text(value)
        .tooltip(tooltip);
}

}  // namespace

void KORISNICI() {
    listkit::openRecordList({.window = LIST,
                             .grid = GRID,
                             .title = vocab::CTITKORISNICI,
                             .width = 600,
                             .height = 400,
                             .captions = layouts::AHEADERSKORISNICI,
                             .widths = {0, 120, 120, 300},
                             .justify = {0, 0, 0, 0},
                             .createStatements = {KORISNICICREATE},
                             .change = KorisniciChange,
                             .remove = KorisniciDelete,
                             .query = [] { return std::string(KORISNICILIST); }});
}

void KorisniciChange(const std::shared_ptr<listkit::ListState>& list, bool isNew) {
    using namespace vocab;
    const ui::Ctl grid(LIST, GRID);
    const int lines = grid.itemCount();
    if (!listkit::PROVERIGRID(isNew, lines, grid.selection())) return;
    auto edit = std::make_shared<EditState>();
    edit->isNew = isNew;
    User user;
    if (isNew) {
        edit->LINENO = lines + 1;
    } else {
        edit->LINENO = grid.selection().front();
        edit->MID = grid.cell(edit->LINENO, 1);
        user = {grid.cell(edit->LINENO, 2), grid.cell(edit->LINENO, 3), grid.cell(edit->LINENO, 4)};
    }
    ui::defineWindow({.name = EDIT,
                      .kind = ui::WindowKind::Modal,
                      .title = isNew ? CTITDODAJNOVZAPIS : CTITEDITIRAJZAPIS,
                      .width = 700,
                      .height = 300,
                      .closeBox = false,
                      .sizable = false,
                      .maximizeBox = false,
                      .minimizeBox = false});
    addField("UserName", CVALUELBLKORISNICKOIME, CTOOLTIPKORISNICKOIME, 20, 200, user.name);
    addField("Password", CVALUELBLLOZINKA, CTOOLTIPLOZINKA, 50, 200, user.password);
    addField("Opis", CVALUELBLOPISNAKORSINIK, CTOOLTIPOPISNAKORSINIK, 80, 300, user.description);
    shell::addConfirmButton(EDIT, 100, 220, [list, edit] { KORISNICISAVE(list, *edit); });
    shell::addCancelButton(EDIT, 500, 220);
    ui::Win(EDIT).center().activate();
}

void KorisniciDelete(const std::shared_ptr<listkit::ListState>& list) { listkit::deleteRecords(list, "Korisnici", {}); }

}  // namespace shell
