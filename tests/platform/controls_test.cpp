// The semantics every window relies on, checked on real controls.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QComboBox>

#include "support/fixed_today.h"
#include "platform/ui/registry.h"
#include <QWidget>

#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "support/recording_interaction.h"

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override { ui::defineWindow({.name = "frmTest", .kind = ui::WindowKind::Child, .title = "Test"}); }
    void TearDown() override {
        if (ui::windowExists("frmTest")) ui::Win("frmTest").release();
    }
    testing_support::RecordingInteraction seam;
    int changes = 0;
    ui::Action count() {
        return [this] { ++changes; };
    }
};

TEST_F(Controls, ProgramSetFiresChangeLikeTheUser) {
    auto text = ui::addTextBox("frmTest", "txtA").onChange(count());
    text.text("abc");
    EXPECT_EQ(text.text(), "abc");
    auto check = ui::addCheckBox("frmTest", "chkA").onChange(count());
    check.value(1);
    EXPECT_EQ(check.value(), 1);
    auto combo = ui::addComboBox("frmTest", "cbA").onChange(count());
    combo.items({"01-Плата", "02-Хонорар"}, 2);  // filling with a preselected item fires none
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(combo.value(), 2);
    EXPECT_EQ(combo.item(1), "01-Плата");
    combo.value(1);
    EXPECT_EQ(changes, 3);
}

TEST_F(Controls, TextBoxesDropNulCharacters) {
    const std::string pasted("a\0b\0", 4);
    for (const ui::Ctl& box : {ui::addTextBox("frmTest", "txtNul"), ui::addEditBox("frmTest", "edtNul")}) {
        ui::detail::control("frmTest", box.name()).userSet(pasted);
        EXPECT_EQ(box.text(), "ab");
        box.text(pasted);
        EXPECT_EQ(box.text(), "ab");
    }
}

TEST_F(Controls, MaskedAndNumberBoxes) {
    // A box nobody typed into holds the empty text; once typed into, its positions.
    auto masked = ui::addMaskedBox("frmTest", "txtM", "999999999999999");
    EXPECT_EQ(masked.text(), "");
    masked.text("");
    EXPECT_EQ(masked.text(), "");
    masked.text("123");
    EXPECT_EQ(masked.text(), "123            ");
    masked.text("               ");
    EXPECT_EQ(masked.text(), std::string(15, ' '));
    auto number = ui::addNumberBox("frmTest", "txtN", "999");
    number.number(5);
    EXPECT_EQ(number.text(), "  5");
    EXPECT_EQ(number.number(), 5);
    number.number(1000);
    EXPECT_EQ(number.number(), 0);  // too wide for its mask
}

TEST_F(Controls, GridValueIsTheSelectedLinesAscending) {
    auto grid = ui::addGrid("frmTest", "grdA").headers({"ID", "Име"}).widths({0, 100}).multiSelect(true).onChange(count());
    ui::TextTable rows(2);
    for (const char* id : {"1", "2", "3", "4"}) rows.appendRow({id, "x"});
    grid.rows(std::move(rows));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.itemCount(), 4);
    grid.selection({3, 1});
    EXPECT_EQ(grid.selection(), (std::vector<int>{1, 3}));
    EXPECT_EQ(changes, 1);
    grid.selection({2});  // replaces the selection
    EXPECT_EQ(grid.selection(), (std::vector<int>{2}));
    // Runs of lines, lines in any order, lines that are not there.
    const std::pair<std::vector<int>, std::vector<int>> cases[] = {
        {{1, 2, 3, 4}, {1, 2, 3, 4}}, {{4, 3, 2}, {2, 3, 4}}, {{0, 2, 3, 7}, {2, 3}}, {{3, 4, 5, 6}, {3, 4}}, {{}, {}},
    };
    for (const auto& [set, selected] : cases) {
        grid.selection(set);
        EXPECT_EQ(grid.selection(), selected);
    }
    // What the user does to a selection: a line taken out of it, lines selected twice over.
    grid.selection({1, 2, 3, 4});
    auto* view = qobject_cast<QAbstractItemView*>(ui::detail::control("frmTest", "grdA").widget());
    ASSERT_TRUE(view);
    QItemSelectionModel* user = view->selectionModel();
    user->select(view->model()->index(1, 0), QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
    EXPECT_EQ(grid.selection(), (std::vector<int>{1, 3, 4}));
    user->select(QItemSelection(view->model()->index(0, 0), view->model()->index(2, 1)), QItemSelectionModel::Select);
    EXPECT_EQ(grid.selection(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(grid.cell(4, 1), "4");
    grid.cell(4, 2, "y");
    EXPECT_EQ(grid.cell(4, 2), "y");
    grid.header(2, "Име ^");
    EXPECT_EQ(grid.header(2), "Име ^");
}

// A caption wider than its column takes a smaller font; one too wide even so
// reads from its start and is cut at its end, never cut at both ends.
TEST_F(Controls, GridCaptionsTooWideAreCutAtTheirEnd) {
    const struct {
        const char* caption;
        int width;
        bool smaller, fromStart;
    } cases[] = {
        {"ID", 80, false, false},
        {"Конто задолжување", 200, false, false},
        {"Конто задолжување", 95, true, false},
        {"Конто задолжување", 40, true, true},
        {"Програма", 30, true, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "grdCaption" + std::to_string(++n);
        ui::addGrid("frmTest", name).headers({c.caption}).widths({c.width});
        const auto* view = static_cast<QAbstractItemView*>(ui::detail::control("frmTest", name).widget());
        const QAbstractItemModel* model = view->model();
        EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::FontRole).isValid(), c.smaller) << c.caption << " " << c.width;
        const QVariant align = model->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole);
        EXPECT_EQ(align.isValid() && (align.value<Qt::Alignment>() & Qt::AlignLeft), c.fromStart)
            << c.caption << " " << c.width;
    }
}

TEST_F(Controls, DatePickerHoldsStoredDates) {
    const testing_support::FixedToday today("20240229");
    auto date = ui::addDatePicker("frmTest", "txtD").allowEmptyDate(true);
    EXPECT_EQ(date.date(), "20240229");  // a new picker starts on the program's today
    date.date("20261210");
    EXPECT_EQ(date.date(), "20261210");
    EXPECT_EQ(date.text(), "10.12.2026");
    date.date("");
    EXPECT_EQ(date.date(), "");
}

TEST(WindowSize, IsTheOuterSizeAndTheClientAreaIsThatLessTheFrame) {
    testing_support::RecordingInteraction seam;
    for (const bool sizable : {true, false}) {
        ui::defineWindow({.name = "frmSize", .kind = ui::WindowKind::Modal, .width = 500, .height = 200, .sizable = sizable});
        const ui::Win w("frmSize");
        EXPECT_EQ(w.width(), 500);
        EXPECT_EQ(w.height(), 200);
        // A bottom row placed from the outer height, as the layouts do, stands near the client's bottom edge.
        auto button = ui::addButton("frmSize", "btnOK").at(200, w.height() - 95, 100, 25);
        w.activate();
        const QWidget* client = button.exists() ? ui::detail::window("frmSize").client : nullptr;
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(client->width(), 500 - 8);
        EXPECT_EQ(client->height(), 200 - 34);
        EXPECT_LE(client->height() - (button.row() + button.height()), 40);
        w.release();
    }
}

TEST(ProgramFault, UndefinedControlIsLoggedShownAndEndsTheProgram) {
    const auto folder = std::filesystem::temp_directory_path() / "kasavel-fault-test";
    std::filesystem::create_directories(folder);
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::filesystem::remove("ErrorLog.Htm");
    testing_support::RecordingInteraction seam;
    ui::defineWindow({.name = "frmFault"});
    int code = -1;
    try {
        ui::Ctl("frmFault", "txtMissing").text();
    } catch (const testing_support::ProgramEnded& e) {
        code = e.code;
    }
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(ui::windowExists("frmFault"));
    ASSERT_FALSE(seam.shown.empty());
    EXPECT_EQ(seam.shown[0], "stop|Program Error|Control txtMissing of window frmFault is not defined");
    std::ifstream log("ErrorLog.Htm");
    std::string content((std::istreambuf_iterator<char>(log)), {});
    EXPECT_NE(content.find("Control txtMissing of window frmFault is not defined"), std::string::npos);
    std::filesystem::current_path(before);
}

}  // namespace

namespace {

TEST(ComboLists, TheOpenListMayBeWiderThanTheBox) {
    testing_support::RecordingInteraction seam;
    ui::defineWindow({.name = "frmTest", .kind = ui::WindowKind::Child, .title = "Test"});
    ui::addComboBox("frmTest", "cbA").at(10, 10, 300, 20).items({"01-Плата"}, 1).listWidth(650);
    const auto* combo = static_cast<QComboBox*>(ui::detail::control("frmTest", "cbA").widget());
    EXPECT_EQ(combo->view()->minimumWidth(), 650);
    EXPECT_EQ(combo->width(), 300);
    ui::Win("frmTest").release();
}

}  // namespace
