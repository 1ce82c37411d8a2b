// The user list and its edit window. There are no roles: every user may do
// everything, including deleting the last user.
#include "shell/users.h"

#include <memory>

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
void KORISNICISAVE(const EditState& edit) {
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
    KORISNICIGETDATA();
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
    STATUSBARB(LIST);
    ui::addGrid(LIST, GRID)
        .headers(layouts::AHEADERSKORISNICI)
        .widths({0, 120, 120, 300})
        .justify({0, 0, 0, 0})
        .multiSelect(true)
        .onDblClick([] { KorisniciChange(false); });
    addListButton("btnDodaj", CCAPTIONDODAJNOV, "img16Add", CTOOLTIPDODAJNOV, [] { KorisniciChange(true); });
    addListButton("btnIzmeni", CCAPTIONIZMENI, "img16Edit", CTOOLTIPIZMENI, [] { KorisniciChange(false); });
    // Deleting users, with the Delete key, comes with the list toolkit's deletion.
    addListButton("btnIzbrisi", CCAPTIONIZBRISI, "img16Delete", CTOOLTIPIZBRISI, nullptr);
    ui::Win(LIST).onKey(ui::Key::Insert, [] { KorisniciChange(true); });
    ui::Win(LIST).onStart(KORISNICIGETDATA).onSize(KORISNICIFORMRESIZE).center().activate();
}

void KORISNICIGETDATA() {
    ui::Ctl(LIST, GRID).rows(SQL(app().DB, KORISNICILIST));
    KORISNICIFORMRESIZE();
}

void KORISNICIFORMRESIZE() {
    const ui::Win w(LIST);
    const int width = w.width(), height = w.height();
    ui::Ctl(LIST, GRID).at(0, 40, width - 10, height - 140);
    ui::Ctl(LIST, "btnDodaj").at(30, height - 98, 105, 25);
    ui::Ctl(LIST, "btnIzmeni").at(180, height - 98, 105, 25);
    ui::Ctl(LIST, "btnIzbrisi").at(330, height - 98, 105, 25);
}

void KorisniciChange(bool isNew) {
    using namespace vocab;
    const ui::Ctl grid(LIST, GRID);
    const int lines = grid.itemCount();
    auto edit = std::make_shared<EditState>();
    edit->isNew = isNew;
    User user;
    if (isNew) {
        edit->LINENO = lines + 1;
    } else {
        const std::vector<int> selected = grid.selection();
        if (selected.empty() || selected.front() < 1) return;
        edit->LINENO = selected.front();
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
        .onClick([edit] { KORISNICISAVE(*edit); });
    ui::addButton(EDIT, "cmdCancel")
        .at(500, 220, 100, 25)
        .text(CCAPTIONOTKAZI)
        .picture("img16Cancel")
        .tooltip(CTOOLTIPOTKAZI)
        .onClick([] { ui::Win(EDIT).release(); });
    ui::Win(EDIT).center().activate();
}

}  // namespace shell
