// The login frmLogon: at start-up and from the menu. Three failed confirmations
// in one opening, cancelling, or an inconsistent user table end the program.
#include <memory>

#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/column_width.h"
#include "shell/database_file.h"
#include "shell/entries.h"
#include "shell/korisnici_sql.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

const std::string WINDOW = "frmLogon";

// One opening of the login.
struct LoginState {
    int attempt = 1;
    // Only a read that succeeded and found no user lets the login ask for nothing.
    bool heldUsers = true;
};

[[noreturn]] void ZATVORISE() { ui::endProgram(0); }

void admit(const ui::TextTable& user) {
    app().CUSER = user.at(0, 1);
    app().CUSEROPIS = user.at(0, 3);
    if (ui::windowExists("frmMain")) ui::Win("frmMain").statusItem(1, vocab::CMAINSTATUSITEM + app().CUSEROPIS);
}

void NAJAVISE(LoginState& state) {
    const std::string name = ui::Ctl(WINDOW, "txtLogonUserName").text();
    const std::string password = ui::Ctl(WINDOW, "txtLogonPassword").text();
    const QueryResult found = query(app().DB, loginQuery(name, password));
    if (found.ok && found.rows.rows() == 1) {
        admit(found.rows);
        ui::Win(WINDOW).release();
        return;
    }
    if (found.ok && found.rows.empty() && !state.heldUsers) {
        ui::Win(WINDOW).release();
        return;
    }
    if (found.ok && found.rows.rows() > 1) {
        ui::msgPlain(vocab::CPORGRESKAVOKORISNICI);
        ZATVORISE();
    }
    // No such user, or the users could not be read: this attempt failed.
    ui::msgPlain(vocab::CPORNEVOZMOZNAKOMBINACIJA);
    if (++state.attempt > 3) ZATVORISE();
}

void defineWindow(const std::shared_ptr<LoginState>& state) {
    using namespace vocab;
    ui::defineWindow({.name = WINDOW,
                      .kind = ui::WindowKind::Modal,
                      .title = state->heldUsers ? CTITLOGON : CTITNEMAKORISNICI,
                      .width = 500,
                      .height = 200,
                      .sizable = false,
                      .maximizeBox = false,
                      .minimizeBox = false});
    ui::addLabel(WINDOW, "lblLogonUserName").at(30, 20, 100, 20).text(CVALUELBLKORISNICKOIME);
    ui::addTextBox(WINDOW, "txtLogonUserName")
        .at(150, 20, 200, 20)
        .maxLength(columnWidth(KORISNICICREATE, "UserName"))
        .tooltip(CTOOLTIPKORISNICKOIME)
        .enabled(state->heldUsers);
    ui::addLabel(WINDOW, "lblLogonPassword").at(30, 50, 100, 20).text(CVALUELBLLOZINKA);
    ui::addTextBox(WINDOW, "txtLogonPassword")
        .at(150, 50, 200, 20)
        .maxLength(columnWidth(KORISNICICREATE, "Password"))
        .password(true)
        .tooltip(CTOOLTIPLOZINKA)
        .enabled(state->heldUsers);
    ui::addButton(WINDOW, "btnOK")
        .at(30, 200 - 95, 100, 25)
        .text(CCAPTIONPOTVRDI)
        .picture("img16OK")
        .tooltip(CTOOLTIPNAJAVISE)
        .onClick([state] { NAJAVISE(*state); });
    ui::addButton(WINDOW, "btnCancel")
        .at(500 - 140, 200 - 95, 100, 25)
        .text(CCAPTIONOTKAZI)
        .picture("img16Cancel")
        .tooltip(CTOOLTIPCANCEL)
        .onClick([] { ZATVORISE(); })
        .cancel();
    // Closing the window must not let anybody in without a user while users exist.
    ui::Win(WINDOW).onCloseBox([state] {
        if (state->heldUsers && app().CUSER.empty()) ZATVORISE();
        ui::Win(WINDOW).release();
    });
}

}  // namespace

void LOGON() {
    auto state = std::make_shared<LoginState>();
    sqlite3* db = app().DB;
    if (!readOnly(db)) {  // start-up has said why a read-only database gets no table
        MISCSQL1(db, KORISNICICREATE);
        MISCSQL1(db, KORISNICIINDEX);
    }
    const QueryResult users = query(db, KORISNICIALL);
    state->heldUsers = !users.ok || !users.rows.empty();
    defineWindow(state);
    ui::Win(WINDOW).center().activate();
}

}  // namespace shell
