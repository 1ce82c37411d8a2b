#include "shell/main.h"

#include <sqlite3.h>

#include <filesystem>

#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/entries.h"
#include "shell/main_menu.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

// Opens (creating when missing) the database file; a file that is no SQLite
// database counts as a failed open, so the program never starts on it.
sqlite3* openDatabase(const std::string& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

void defineMainWindow() {
    ui::defineWindow({.name = "frmMain",
                      .kind = ui::WindowKind::Main,
                      .title = vocab::CTITMAIN,
                      .col = 5,
                      .row = 5,
                      .width = 640,
                      .height = 480,
                      .closeBox = true,
                      .sizable = false,
                      .maximizeBox = true,
                      .minimizeBox = false,
                      .background = ui::Rgb{128, 128, 128}});
    ui::Win("frmMain").menu(mainMenu()).statusBar({vocab::CMAINSTATUSITEM}).onStart(LOGON);
}

}  // namespace

int MAIN() {
    AppState& a = app();
    a.CJAZIK = "MK";
    a.CUSER.clear();
    a.CUSEROPIS.clear();
    a.DB = nullptr;
    a.BAZA = "Kasavel.db";
    a.CFOLDERNAINSTALACIJABAZA = std::filesystem::current_path().string();

    a.DB = openDatabase(a.BAZA);
    if (!a.DB) {
        ui::msgPlain(vocab::CPORNEMOZEOTVORIBAZA);
        return 1;
    }
    MISCSQL1(a.DB, "PRAGMA foreign_keys = ON;");
    ui::setEnterMovesFocus(true);
    PARAMETRITREZORGETDATA();

    defineMainWindow();
    ui::Win("frmMain").maximize().activate();
    return 0;
}

}  // namespace shell
