// The record-list protocol's hooks: a refusal before the window opens, the
// controls above the grid, and the buttons' pictures and sizes.
#include "listkit/record_list.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/ui/registry.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "support/recording_interaction.h"

namespace {

class RecordList : public ::testing::Test {
protected:
    void SetUp() override {
        sqlite3_open(":memory:", &db);
        previous = shell::app().DB;
        shell::app().DB = db;
    }
    void TearDown() override {
        ui::releaseAllWindows();
        shell::app().DB = previous;
        sqlite3_close(db);
    }
    listkit::RecordListSpec zapisiList() {
        return {.window = "frmZapisi",
                .grid = "grdZapisi",
                .title = "Записи",
                .width = 1330,
                .height = 600,
                .captions = {"ID", "Име"},
                .widths = {0, 200},
                .justify = {0, 0},
                .createStatements = {"CREATE TABLE IF NOT EXISTS Zapisi (ID INTEGER PRIMARY KEY, Ime TEXT);"},
                .change = [](const auto&, bool) {},
                .remove = [](const auto&) {},
                .query = [this] { return "SELECT ID, Ime FROM Zapisi WHERE ID > " + std::to_string(from); }};
    }
    testing_support::RecordingInteraction seam;
    sqlite3 *db = nullptr, *previous = nullptr;
    int from = 0;
};

TEST_F(RecordList, ARefusalAfterTheTablesOpensNoWindow) {
    auto definition = zapisiList();
    int asked = 0;
    definition.admit = [&] {
        ++asked;
        return false;
    };
    listkit::openRecordList(definition);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(ui::windowExists("frmZapisi"));
    EXPECT_TRUE(shell::MISCSQL1(db, "INSERT INTO Zapisi VALUES (1, 'А');"));  // the table was created
}

TEST_F(RecordList, ControlsAboveTheGridAndLargerButtons) {
    ASSERT_TRUE(shell::MISCSQL1(db, "CREATE TABLE Zapisi (ID INTEGER PRIMARY KEY, Ime TEXT);"
                                    "INSERT INTO Zapisi VALUES (1, 'А'), (2, 'Б'), (3, 'В');"));
    auto definition = zapisiList();
    definition.buttons = listkit::BUTTONS24;
    definition.buttonColumns = {30, 180, 780};
    definition.admit = [] { return true; };
    definition.controls = [this](const std::shared_ptr<listkit::ListState>& list) {
        ui::addComboBox("frmZapisi", "cbZapisiOd").at(110, 10, 300, 20).items({"0", "2"}, 1).onChange([this, list] {
            from = ui::Ctl("frmZapisi", "cbZapisiOd").value() == 2 ? 2 : 0;
            listkit::reload(list);
        });
    };
    listkit::openRecordList(definition);
    const auto& controls = ui::detail::window("frmZapisi").controls;
    const auto position = [&](const std::string& name) {
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (controls[i]->name() == name) return static_cast<int>(i);
        return -1;
    };
    EXPECT_LT(position("cbZapisiOd"), position("grdZapisi"));
    const ui::Ctl add("frmZapisi", "btnDodaj"), remove("frmZapisi", "btnIzbrisi");
    EXPECT_EQ(std::make_pair(add.width(), add.height()), std::make_pair(115, 35));
    EXPECT_EQ(std::make_pair(remove.col(), remove.width()), std::make_pair(780, 105));
    EXPECT_EQ(ui::Ctl("frmZapisi", "grdZapisi").itemCount(), 3);
    ui::Ctl("frmZapisi", "cbZapisiOd").value(2);  // the combo's handler reloads the list
    EXPECT_EQ(ui::Ctl("frmZapisi", "grdZapisi").itemCount(), 1);
}

}  // namespace
