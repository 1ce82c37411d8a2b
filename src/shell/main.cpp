#include "shell/main.h"

#include <cstdlib>
#include <filesystem>

#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/database_file.h"
#include "shell/entries.h"
#include "shell/main_menu.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

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
    std::error_code noFolder;
    a.CFOLDERNAINSTALACIJABAZA = std::filesystem::current_path(noFolder).string();
    if (noFolder) {
        // The data folder is the working folder: one removed before the start has no name left but the shell's.
        const char* named = std::getenv("PWD");
        ui::msgPlain(vocab::CPORNEMOZEOTVORIBAZA + "\r\n" + (named ? std::string(named) + ": " : "") +
                     noFolder.message());
        return 1;
    }

    const OpenedDatabase opened = openDatabase(a.BAZA);
    if (opened.state == DatabaseState::InUse) {
        ui::msgPlain(databaseInUse + "\r\n" + opened.reason);
        return 1;
    }
    if (!opened.db) {
        ui::msgPlain(vocab::CPORNEMOZEOTVORIBAZA);
        return 1;
    }
    a.DB = opened.db;
    // The user may still read, print and export; every change will say why it fails.
    if (opened.state == DatabaseState::ReadOnly) ui::msgWarning(readOnlyDatabase);
    MISCSQL1(a.DB, "PRAGMA foreign_keys = ON;");
    ui::setEnterMovesFocus(true);
    PARAMETRITREZORGETDATA();
    gridreport::_INITPDFGRID();

    defineMainWindow();
    ui::Win("frmMain").maximize().activate();
    return 0;
}

}  // namespace shell
