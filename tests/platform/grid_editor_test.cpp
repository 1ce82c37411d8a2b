// Grid cells edited in place on the screen: the column's own editor, its
// check run on commit, and a refused value keeping the editor open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>
#include <QTest>

#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "support/recording_interaction.h"

namespace {

class GridEditor : public ::testing::Test {
protected:
    void SetUp() override {
        ui::defineWindow({.name = "frmTest", .title = "Test", .width = 400, .height = 300});
        ui::TextTable rows(3);
        rows.appendRow({"ID", "10.00", "Yes"});
        grid = ui::addGrid("frmTest", "grdTest")
                   .at(10, 10, 380, 200)
                   .headers({"Name", "Width", "Include"})
                   .allowEdit(true)
                   .columnEditor(1, {.kind = ui::CellEditor::Kind::None})
                   .columnEditor(2, {.kind = ui::CellEditor::Kind::Masked, .mask = "9999.99"})
                   .columnEditor(3, {.kind = ui::CellEditor::Kind::Choice, .items = {"Yes", "No"}})
                   .onCellCheck([this](int, int column, const std::string& value) {
                       checked.push_back(value);
                       if (column == 2 && std::stod(value) < 5) {
                           ui::msgWarning("Invalid Entry");
                           return false;
                       }
                       return true;
                   })
                   .rows(std::move(rows));
        view = qobject_cast<QTableView*>(ui::detail::control("frmTest", "grdTest").widget());
        ui::detail::window("frmTest").widget->show();
    }
    void TearDown() override { ui::releaseAllWindows(); }

    template <class Editor>
    Editor* open(int column) {
        view->setCurrentIndex(view->model()->index(0, column));
        view->edit(view->currentIndex());
        QApplication::processEvents();
        return view->findChild<Editor*>();
    }

    bool editing() const { return view->indexWidget(view->currentIndex()) != nullptr; }

    testing_support::RecordingInteraction seam;
    ui::Ctl grid{"frmTest", "grdTest"};
    QTableView* view = nullptr;
    std::vector<std::string> checked;
};

TEST_F(GridEditor, ARefusedWidthKeepsTheEditorOpen) {
    QLineEdit* edit = open<QLineEdit>(1);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "10.00");
    edit->setText("3");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(seam.shown, std::vector<std::string>{"warning||Invalid Entry"});
    EXPECT_TRUE(editing()) << "the editor stays for another value";
    EXPECT_EQ(grid.cell(1, 2), "10.00");
    edit->setText("12.5");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(editing());
    EXPECT_EQ(grid.cell(1, 2), "12.5");
    EXPECT_EQ(checked, (std::vector<std::string>{"3", "12.5"}));
}

TEST_F(GridEditor, TheMaskTakesOnlyWhatFits) {
    QLineEdit* edit = open<QLineEdit>(1);
    ASSERT_TRUE(edit);
    edit->clear();
    QTest::keyClicks(edit, "12345.678x");
    // Four digits before the point and two after it; nothing else is taken.
    EXPECT_EQ(edit->text(), "1234.67");
    // A comma is the point, as in the number boxes.
    edit->selectAll();
    QTest::keyClicks(edit, "50,5");
    EXPECT_EQ(edit->text(), "50.5");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(grid.cell(1, 2), "50.5");
}

TEST_F(GridEditor, AChoiceAndAColumnWithoutEditor) {
    auto* combo = open<QComboBox>(2);
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->currentText(), "Yes");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QApplication::processEvents();
    EXPECT_EQ(grid.cell(1, 3), "No");
    EXPECT_FALSE(editing());
    view->setCurrentIndex(view->model()->index(0, 0));
    view->edit(view->currentIndex());
    EXPECT_FALSE(editing()) << "the caption column has no editor";
    EXPECT_EQ(checked, std::vector<std::string>{"No"});
}

}  // namespace
