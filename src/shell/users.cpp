// The user list and its edit window. There are no roles: every user may do
// everything, including deleting the last user.
#include "shell/users.h"

#include <memory>

#include "listkit/edit_checks.h"
#include "listkit/search_strip.h"
#include "listkit/sort.h"
#include "listkit/toolbar.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
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

// The record the edit window works on, from its opening to its closing.
struct EditState {
    bool isNew = true;
    std::string MID;  // the user's ID, empty for a new user
    int LINENO = 0;   // its grid line; the number of lines + 1 for a new user
};

// The window closes and the list reloads also after a failed statement,
// whose message the database layer has shown: the list then shows the users
// as they are stored.
void KORISNICISAVE(listkit::ListState& list, const EditState& edit) {
    const User user{ui::Ctl(EDIT, "txtKorisniciUserName").text(), ui::Ctl(EDIT, "txtKorisniciPassword").text(),
                    ui::Ctl(EDIT, "txtKorisniciOpis").text()};
    if (isBlank(user.name)) {
        ui::msgPlain(vocab::CPORPRAZNOKORISNICKOIME);
        return;
    }
    if (isBlank(user.password)) {
        ui::msgPlain(vocab::CPORPRAZNALOZINKA);
        return;
    }
    MISCSQL1(app().DB, edit.isNew ? userInsert(user) : userUpdate(user, edit.MID));
    ui::Win(EDIT).release();
    KORISNICIGETDATA(list);
}

void addField(const std::string& name, const std::string& label, const std::string& tooltip, int row, int width,
              const std::string& value) {
    ui::addLabel(EDIT, "lblKorisnici" + name).at(30, row, 200, 20).text(label);
    ui::addTextBox(EDIT, "txtKorisnici" + name).at(330, row, width, 20).text(value).tooltip(tooltip);
}

void addListButton(const std::string& name, const std::string& caption, const std::string& picture,
                   const std::string& tooltip, ui::Action action) {
    ui::addButton(LIST, name).text(caption).picture(picture).tooltip(tooltip).onClick(std::move(action));
}

}  // namespace

void KORISNICI() {
    using namespace vocab;
    if (ui::windowExists(LIST)) return;
    {
        ui::WaitWindow wait(CPORSEPREZEMAATPODATOCITEODBAZA);
        MISCSQL1(app().DB, KORISNICICREATE);
    }
    ui::defineWindow(
        {.name = LIST, .kind = ui::WindowKind::Child, .title = CTITKORISNICI, .width = 600, .height = 400});
    auto list = listkit::newListState(LIST, GRID, layouts::AHEADERSKORISNICI);
    const ui::Action insert = [list] { KorisniciChange(list, true); };
    const ui::Action remove = [list] { KorisniciDelete(list); };
    STATUSBARB(LIST);
    ui::addGrid(LIST, GRID)
        .headers(layouts::AHEADERSKORISNICI)
        .widths({0, 120, 120, 300})
        .justify({0, 0, 0, 0})
        .multiSelect(true)
        .onHeadClick(listkit::CREATECHEADCLICK(list))
        .onDblClick([list] { KorisniciChange(list, false); });
    addListButton("btnDodaj", CCAPTIONDODAJNOV, "img16Add", CTOOLTIPDODAJNOV, insert);
    addListButton("btnIzmeni", CCAPTIONIZMENI, "img16Edit", CTOOLTIPIZMENI, [list] { KorisniciChange(list, false); });
    addListButton("btnIzbrisi", CCAPTIONIZBRISI, "img16Delete", CTOOLTIPIZBRISI, remove);
    ui::Win(LIST).onKey(ui::Key::Insert, insert).onKey(ui::Key::Delete, remove);
    listkit::_ADDGRIDTOOLBAR(list);
    listkit::_ADDSEARCH(list, insert, remove);
    ui::Win(LIST)
        .onStart([list] { KORISNICIGETDATA(*list); })
        .onSize([list] { KORISNICIFORMRESIZE(*list); })
        .center()
        .activate();
}

void KORISNICIGETDATA(listkit::ListState& list) {
    listkit::fill(list, SQL(app().DB, KORISNICILIST));
    KORISNICIFORMRESIZE(list);
}

void KORISNICIFORMRESIZE(const listkit::ListState& list) {
    const ui::Win w(LIST);
    const int width = w.width(), height = w.height();
    ui::Ctl(LIST, GRID).at(0, 40, width - 10, height - 140);
    ui::Ctl(LIST, "btnDodaj").at(30, height - 98, 105, 25);
    ui::Ctl(LIST, "btnIzmeni").at(180, height - 98, 105, 25);
    ui::Ctl(LIST, "btnIzbrisi").at(330, height - 98, 105, 25);
    listkit::_RESIZEGRIDTOOLBAR(list);
    listkit::_RESIZESEARCH(list);
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
    ui::addButton(EDIT, "cmdConfirm")
        .at(100, 220, 100, 25)
        .text(CCAPTIONPOTVRDI)
        .picture("img16OK")
        .tooltip(CTOOLTIPPOTVRDI)
        .onClick([list, edit] { KORISNICISAVE(*list, *edit); });
    ui::addButton(EDIT, "cmdCancel")
        .at(500, 220, 100, 25)
        .text(CCAPTIONOTKAZI)
        .picture("img16Cancel")
        .tooltip(CTOOLTIPOTKAZI)
        .onClick([] { ui::Win(EDIT).release(); });
    ui::Win(EDIT).center().activate();
}

void KorisniciDelete(const std::shared_ptr<listkit::ListState>& list) {
    listkit::deleteSelectedRows(*list, "Korisnici", {}, [list] { KORISNICIGETDATA(*list); });
}

}  // namespace shell
