// The dialog that stores treasury orders from paid items and writes their
// file: when something takes the file's name while the orders are committed,
// the orders stand and the complete file is kept under a name of its own.
#include "payments/paid_orders_window.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

#include "item_rows.h"
#include "platform/desktop/desktop.h"
#include "platform/ui/registry.h"
#include "shell/app_state.h"
#include "shell/vocabulary.h"
#include "support/file_bytes.h"
#include "support/items_fixture.h"
#include "support/temp_folder.h"
#include "treasury/nalozi_table.h"

namespace {

namespace fs = std::filesystem;

class PaidOrdersDialog : public testing_support::ItemsDatabase {
protected:
    void SetUp() override {
        ItemsDatabase::SetUp();
        run(treasury::naloziCreate());
        run("INSERT INTO Konta VALUES (13, '404110', 'Нето', 1), (14, '401320', 'Данок', 1), "
            "(15, '711111', 'Приход', 1)");
        saved = shell::app();
        shell::AppState& app = shell::app();
        app.DB = db;
        app.CFOLDERNAINSTALACIJABAZA = data.path().string();
        app.MTREZORSKASMETKANARM = "100000000063095";
        app.MUPLATNASMETKAZAPD1 = "840";
        app.MUPLATNASMETKAZAPD2 = "01242";
        desktop::setToday("20261210");
    }
    void TearDown() override {
        ui::releaseAllWindows();
        desktop::setToday("");
        shell::app() = saved;
        fs::current_path(savedCurrent);
        ItemsDatabase::TearDown();
    }

    testing_support::TempFolder data;
    shell::AppState saved;
    fs::path savedCurrent = fs::current_path();
};

// The form codes of the detail records of every file in `folder`.
std::vector<std::string> formsInFiles(const fs::path& folder) {
    std::vector<std::string> forms;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (!e.is_regular_file()) continue;
        const std::string bytes = testing_support::fileBytes(e.path());
        for (std::size_t at = 0; at < bytes.size(); at = bytes.find("\r\n", at) + 2)
            if (bytes[at] == '2') forms.push_back(bytes.substr(at + 275, 2));
    }
    std::sort(forms.begin(), forms.end());
    return forms;
}

TEST_F(PaidOrdersDialog, AFileThatCannotFollowTheCommittedOrdersIsKeptNamedAndNeverTakenByTheNextBatch) {
    const fs::path trezor = data.path() / "TREZOR";
    const fs::path target = trezor / "N1012261.ABC";
    const fs::path kept = trezor / "N1012261.ABC.задржан";
    bool takeTheName = true;
    ui.inModal = [&](const std::string& window) {
        if (window != "frmIzvestajNaloziChange") return;
        // Something takes the file's name as the orders are committed.
        if (takeTheName)
            sqlite3_commit_hook(
                db,
                [](void* name) {
                    fs::create_directory(*static_cast<const fs::path*>(name));
                    return 0;
                },
                const_cast<fs::path*>(&target));
        ui::Ctl(window, "txtIzvestajNaloziFolio").text("UJP 2026/13");
        ui::detail::invoke(ui::detail::control(window, "cmdConfirm").on.click);
        sqlite3_commit_hook(db, nullptr, nullptr);
    };
    registers::CurrentPayer payer;
    payer.MKRATENKAINSTITUCIJA = "ABC";
    payer.MVIDNATREZOR = "TRZ";
    payer.MPROGRAMAZADOLZUVA = "11";
    payer.MDANOCENBROJ = "4030000000001";
    const auto batch = [&] {
        payments::openPaidOrdersDialog(
            "1", payer, testing_support::itemTable({testing_support::itemRow({{26, "1"}, {27, "1"}, {32, "1"}})}));
    };
    ui.paths = {target.string()};
    batch();

    // The orders stand, stored as submitted.
    EXPECT_EQ(shell::SQL(db, "SELECT group_concat(Obrazec || ':' || DatumNaPodnesuvanje, ' ') FROM Nalozi").at(0, 0),
              "60:20261210 70:20261210");
    // The complete file stays beside the name it could not take, under a name of its own.
    ASSERT_TRUE(fs::is_directory(target));
    const std::string bytes = testing_support::fileBytes(kept);
    EXPECT_EQ(bytes.substr(0, 43), "1ABCTRZ202612111000002+000000000010000,00\r\n");
    EXPECT_EQ(bytes.size(), 43u + 2 * (299 + 2));
    // Said once, with no success after it.
    EXPECT_EQ(ui.shown, (std::vector<std::string>{
                            "dialog|" + vocab::CTITSAVEFILE,
                            "info|" + vocab::CPORGRESKA + "|" + vocab::CPORNALOZIZACUVANIPODNESENI + "\r\n" +
                                vocab::CPORFAJLNESMESTEN + target.string() + "\r\n" + vocab::CPORFAJLZADRZAN +
                                kept.string()}));

    // The name is free again (as after a failed rename); the next batch of the
    // day is offered the next name, and the kept file stays.
    fs::remove(target);
    takeTheName = false;
    ui.shown.clear();
    ui.paths = {(trezor / "N1012262.ABC").string()};
    batch();
    EXPECT_EQ(ui.dialogs.back().fileName, "N1012262.ABC");
    EXPECT_EQ(testing_support::fileBytes(kept), bytes);
    // Every stored order stands in a file of the folder.
    EXPECT_EQ(shell::SQL(db, "SELECT group_concat(Obrazec, ' ') FROM (SELECT Obrazec FROM Nalozi ORDER BY Obrazec)")
                  .at(0, 0),
              "60 60 70 70");
    EXPECT_EQ(formsInFiles(trezor), (std::vector<std::string>{"60", "60", "70", "70"}));
}

}  // namespace
